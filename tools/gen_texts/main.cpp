// korvane_gen_texts PATH: writes the built-in English language file to PATH unless a file is
// already there (an operator's edited texts are never replaced).
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane_gen_texts PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFile::exists(path))
        return 0;
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const QByteArray bytes = Ini_Serialize({LanguageTable, LanguageTableSize});
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "korvane_gen_texts: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
