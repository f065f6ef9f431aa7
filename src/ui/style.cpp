#include "ui/style.h"

#include <QApplication>
#include <QFile>

namespace {
// A style sheet is a few kilobytes; a larger file is not one of ours.
constexpr qint64 MaxStyleSheetBytes = 4 * 1024 * 1024;

bool readSheet(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.read(MaxStyleSheetBytes);
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    *text = QString::fromLatin1(bytes);
    return true;
}
} // namespace

QString Style_ReadText(const QString &path)
{
    QString text;
    readSheet(path, &text);
    return text;
}

void Style_Apply(const QString &path)
{
    QString text;
    if (!readSheet(path, &text))
        return;
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->setStyleSheet(text);
}
