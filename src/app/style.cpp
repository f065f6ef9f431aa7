#include "app/style.h"

#include <QApplication>
#include <QFile>

namespace {
// A style sheet is a few kilobytes; a larger file is not one of ours.
constexpr qint64 MaxStyleSheetBytes = 4 * 1024 * 1024;
} // namespace

void Style_Apply(const QString &path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.read(MaxStyleSheetBytes);
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->setStyleSheet(QString::fromLatin1(bytes));
}
