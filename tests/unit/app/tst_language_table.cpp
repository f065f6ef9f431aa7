// The language table and the shipped second-language file must stay in step: the files are
// read by position, so one missing or reordered line would blank every later caption.
#include "app/language_texts.h"

#include <QFile>
#include <QSet>
#include <QtTest>

class TestLanguageTable : public QObject
{
    Q_OBJECT

private slots:
    void keys_areUniqueAndArraysContiguous()
    {
        QSet<QString> seen;
        for (const IniEntry &entry : LanguageTable) {
            const QString key = QString::fromLatin1(entry.key);
            QVERIFY2(!seen.contains(key), qPrintable(key));
            seen.insert(key);
            QVERIFY(entry.value);
            QVERIFY2(!entry.value->isEmpty(), qPrintable(key));
        }
        QCOMPARE(seen.size(), LanguageTableSize);
        QCOMPARE(QString(LanguageTable[0].key), QStringLiteral("S_OnOff[0]"));
        QCOMPARE(QString(LanguageTable[183].key), QStringLiteral("SMSG_EdidWriteOk"));
    }

    void builtInTexts_keepTheirExactForm_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("login title keeps its space") << 30 << " UserLogin";
        QTest::newRow("language label") << 31 << QStringLiteral("Language/语言:");
        QTest::newRow("main title keeps its space") << 44 << " Korvane";
        QTest::newRow("second language name") << 46 << QStringLiteral("中文");
        QTest::newRow("no space after !") << 47 << "Failed to identify device!Error Code:";
        QTest::newRow("arrow") << 112 << QStringLiteral("Window1 Capture:↓");
        QTest::newRow("backslash") << 142 << "Window\\Source";
        QTest::newRow("arrows") << 140 << QStringLiteral("<<Save name↓↓↓");
        QTest::newRow("leading semicolon") << 159 << ";Volume Value:0~100";
        QTest::newRow("last line") << 184 << "EDID Write Success.";
    }
    void builtInTexts_keepTheirExactForm()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(*LanguageTable[line - 1].value, text);
    }

    void otherLanguageFile_matchesTheTable()
    {
        QFile file(QStringLiteral(KORVANE_SOURCE_DIR "/APP/ConfigFile/language-Other.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "no byte-order mark");
        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
        QCOMPARE(lines.size(), LanguageTableSize);
        for (int i = 0; i < LanguageTableSize; ++i) {
            QByteArray line = lines[i];
            QVERIFY2(line.endsWith('\r') || i == LanguageTableSize - 1,
                     qPrintable(QString::number(i)));
            line.chop(line.endsWith('\r') ? 1 : 0);
            const QString text = QString::fromUtf8(line);
            const QString prefix = QString::fromLatin1(LanguageTable[i].key) + QLatin1Char('=');
            QVERIFY2(text.startsWith(prefix), qPrintable(text));
            QVERIFY2(text.size() > prefix.size(), qPrintable(text));
            QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(text));
        }
    }

    void otherLanguageFile_keepsIdentifiers_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("language name 0") << "ScomboBox_LanguageSelect[0]"
                                         << "English";
        QTest::newRow("language name 1") << "ScomboBox_LanguageSelect[1]" << QStringLiteral("中文");
        QTest::newRow("PIP") << "SpushButton_PIP"
                             << "PIP";
        QTest::newRow("3xWIN") << "SpushButton_3xWIN"
                               << "3xWIN";
        QTest::newRow("main title") << "Ui_Main_AppName"
                                    << " Korvane";
        // Texts a Chinese operator would write: the status log's "Sync <item>: Message." pair
        // reads "同步 分辨率： 完成.", the reconnect notice names the device.
        QTest::newRow("status log sync") << "S_Sync" << QStringLiteral("同步");
        QTest::newRow("status log done") << "S_Message" << QStringLiteral("完成");
        QTest::newRow("reconnect notice")
            << "SMSG_ReConnect" << QStringLiteral("2-请重新连接设备！");
        QTest::newRow("audio source") << "Slabel_AudioSource" << QStringLiteral("音频源：");
        QTest::newRow("identifier 4K AUTO") << "Slabel_4KAUTO" << QStringLiteral("4K AUTO：");
        QTest::newRow("identifier input name") << "S_InputSource_Name[8]"
                                               << "IN-9";
    }
    void otherLanguageFile_keepsIdentifiers()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFile file(QStringLiteral(KORVANE_SOURCE_DIR "/APP/ConfigFile/language-Other.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString all = QString::fromUtf8(file.readAll());
        QVERIFY2(all.contains(key + QLatin1Char('=') + text + QLatin1String("\r\n")),
                 qPrintable(key));
    }
};

QTEST_GUILESS_MAIN(TestLanguageTable)
#include "tst_language_table.moc"
