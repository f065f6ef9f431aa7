// Every picture is decoded and written back before it is shown, so a file saved by some
// other tool (odd chunks, colour profiles) is normalised into a plain PNG. Writing it back
// again changes nothing, so each file is re-saved once per run (again only if the file itself
// changed since).
#pragma once

#include <QImage>
#include <QString>

class QFileInfo;

// What identifies one version of a file: a rewrite or a replacement changes it.
struct PngFileStamp
{
    qint64 size = -1; // -1: no file
    qint64 modifiedMs = 0;
    qint64 changedMs = 0; // metadata change: also a file renamed over the old one
    bool operator==(const PngFileStamp &other) const
    {
        return size == other.size && modifiedMs == other.modifiedMs && changedMs == other.changedMs;
    }
    bool operator!=(const PngFileStamp &other) const { return !(*this == other); }
};
PngFileStamp Png_Stamp(const QFileInfo &info);

// Re-saves the file when it exists and its complete suffix is exactly "png"; any other
// suffix (also "PNG"), a missing file or an undecodable one is left untouched, and so is
// every file of a read-only installation (App_MayRewrite). Done by the time it returns; a
// file already re-saved in this run (and unchanged since) is not written again.
void Png_Resave(const QString &path);

// For showing a picture: decodes the file once and returns the picture (null when missing
// or undecodable). The re-save of Png_Resave, when due, writes that same decoded picture
// back in the background, so the caller need not wait for the encoding; the pixels shown are
// the ones the re-saved file holds.
QImage Png_LoadForShow(const QString &path);

// True when the file's current version is the one this run wrote over `before` (the pixels
// are unchanged, so a picture decoded from `before` still shows it).
bool Png_IsOwnRewrite(const QString &path, const PngFileStamp &before, const PngFileStamp &now);

// While held, the background re-saves of Png_LoadForShow wait (the start-up holds them
// until its first window is on the screen, so that they do not compete with it); releasing
// starts them. Any thread.
void Png_HoldResaves(bool held);

// Releases held re-saves and waits until every background re-save has been written (before
// the program ends).
void Png_FinishResaves();

// Files written back so far in this run (for tests and benchmarks).
int Png_WrittenCount();
