// Decoded pictures kept for the run, so a picture shown again (a layout the device returns
// to, the same icon in two windows) is neither read nor decoded again. Bounded: the least
// recently shown pictures make room. GUI thread only.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The picture at path, passed through the PNG re-save (Png_LoadForShow); null when the file
// is missing or cannot be decoded. A file that changed since it was cached is read again.
QPixmap Picture_Get(const QString &path);

// The same picture as a label with scaled contents shows it: scaled to pixels (the label's
// contents in device pixels) the way the label would do it when painting, with the device
// pixel ratio set, so the label paints it as it is. Only this size is kept.
QPixmap Picture_GetScaled(const QString &path, const QSize &pixels, qreal ratio);

// Starts reading the picture in a thread of its own; the next Picture_Get of it takes the
// result (waiting for it if need be). For a picture about to be shown while the GUI thread
// builds the rest of the window.
void Picture_Prefetch(const QString &path);

// Bytes of decoded pictures held now, and at most.
qint64 Picture_CachedBytes();
constexpr qint64 PictureCacheMaxBytes = 8 * 1024 * 1024;
