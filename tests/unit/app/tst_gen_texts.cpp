// The build-time writer of the English texts: exact bytes, and never over an existing file.
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestGenTexts : public QObject
{
    Q_OBJECT

    static int run(const QString &path)
    {
        QProcess tool;
        tool.start(QStringLiteral(KORVANE_BINARY_DIR "/tools/gen_texts/korvane_gen_texts"), {path});
        if (!tool.waitForFinished(10000))
            return -1;
        return tool.exitCode();
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void writesTheBuiltInTexts_thenLeavesThemAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("APP/ConfigFile/language-English.ini");
        QCOMPARE(run(path), 0);
        const QByteArray written = read(path);
        QCOMPARE(written, Ini_Serialize({LanguageTable, LanguageTableSize}));
        QCOMPARE(written.count("\r\n"), LanguageTableSize);

        QFile edited(path);
        QVERIFY(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
        edited.write("S_OnOff[0]=An\r\n");
        edited.close();
        QCOMPARE(run(path), 0);
        QCOMPARE(read(path), QByteArray("S_OnOff[0]=An\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestGenTexts)
#include "tst_gen_texts.moc"
