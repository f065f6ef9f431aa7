// Positional reader quirks and the exact bytes of the writer.
#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString configPath;

    void resetDefaults()
    {
        const QStringList defaults = {"1",
                                      "1",
                                      "1",
                                      "1",
                                      "1",
                                      "1",
                                      "428613",
                                      "428613",
                                      "COM1",
                                      "9600",
                                      "8",
                                      "0",
                                      "1",
                                      "0",
                                      "192.168.0.247",
                                      "2000",
                                      "255.255.255.0",
                                      "192.168.0.1"};
        for (int i = 0; i < ConfigTableSize; ++i)
            *ConfigTable[i].value = defaults[i];
    }
    void writeRaw(const QByteArray &bytes)
    {
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray defaultFile()
    {
        return "Key_LanguageIsEnglish=1\r\nKey_UI_Login=1\r\nKey_UI_Output=1\r\n"
               "Key_UI_Multiview=1\r\nKey_UI_Audio=1\r\nKey_UI_System=1\r\n"
               "Spassword_Admin=428613\r\nSpassword_User=428613\r\nSP_Name=COM1\r\n"
               "SP_BaudRate=9600\r\nSP_DataBit=8\r\nSP_Parity=0\r\nSP_StopBit=1\r\n"
               "SP_FlowControl=0\r\nSP_RemoteIp=192.168.0.247\r\nSP_RemotePort=2000\r\n"
               "SP_RemoteSubmask=255.255.255.0\r\nSP_RemoteGateway=192.168.0.1\r\n";
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        App_SetDirOverride(dir.path());
        configPath = App_Path(ConfigIniRelPath);
        Ini_ResetFile(configPath);
    }
    void init() { resetDefaults(); }
    void cleanupTestCase() { App_SetDirOverride(QString()); }

    void writer_defaults_areByteExact()
    {
        QVERIFY(Ini_WriteTable(configPath));
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), defaultFile());
    }

    void writer_twice_givesIdenticalBytes()
    {
        SP_Name = QStringLiteral("/dev/ttyUSB0 串口");
        QVERIFY(Ini_WriteTable(configPath));
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray first = f.readAll();
        f.close();
        QVERIFY(Ini_WriteTable(configPath));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), first);
        QVERIFY(!first.startsWith("\xEF\xBB\xBF"));
    }

    void reader_quirks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("expected");

        QByteArray blankLines = defaultFile();
        blankLines.replace("Key_UI_Login=1\r\n", "\r\n\n\r\nKey_UI_Login=0\r\n\n");
        QTest::newRow("blank lines skipped") << blankLines << 1 << "0";
        QTest::newRow("blank lines do not shift") << blankLines << 17 << "192.168.0.1";

        QByteArray thirdDeleted = defaultFile();
        thirdDeleted.replace("Key_UI_Output=1\r\n", "");
        QTest::newRow("deleted line empties its entry") << thirdDeleted << 2 << "";
        QTest::newRow("deleted line shifts later ones") << thirdDeleted << 5 << "";
        QTest::newRow("deleted line: next-to-last empty") << thirdDeleted << 16 << "";
        QTest::newRow("deleted line: last keeps value") << thirdDeleted << 17 << "192.168.0.1";

        QByteArray equals = defaultFile();
        equals.replace("Spassword_User=428613", "Spassword_User=a=b==c");
        QTest::newRow("value containing =") << equals << 7 << "a=b==c";

        QByteArray spaces = defaultFile();
        spaces.replace("Key_UI_Login=1\r\n", "Key_UI_Login=0 \r\n");
        QTest::newRow("trailing space kept") << spaces << 1 << "0 ";

        QByteArray loneCr = defaultFile();
        loneCr.replace("SP_Name=COM1\r\n", "SP_Name=COM1\r\r\n");
        QTest::newRow("lone CR kept") << loneCr << 8 << "COM1\r";

        QByteArray lf = defaultFile();
        lf.replace("SP_Name=COM1\r\n", "SP_Name=COM3\n");
        QTest::newRow("LF line end") << lf << 8 << "COM3";

        QByteArray prefixed = defaultFile();
        prefixed.replace("SP_Name=COM1", "xx SP_Name=COM2");
        QTest::newRow("text before key tolerated") << prefixed << 8 << "COM2";

        QByteArray wrongCase = defaultFile();
        wrongCase.replace("SP_Name=COM1", "sp_name=COM2");
        QTest::newRow("wrong case counts as missing") << wrongCase << 8 << "";

        QByteArray spaceBeforeEq = defaultFile();
        spaceBeforeEq.replace("SP_Name=COM1", "SP_Name =COM2");
        QTest::newRow("space before = counts as missing") << spaceBeforeEq << 8 << "";

        QByteArray extra = defaultFile() + "Extra=1\r\nMore=2\r\n";
        QTest::newRow("extra lines ignored") << extra << 17 << "192.168.0.1";

        QByteArray shortFile = "Key_LanguageIsEnglish=0\r\nKey_UI_Login=0\r\n";
        QTest::newRow("short file reads its lines") << shortFile << 1 << "0";
        QTest::newRow("short file keeps the rest") << shortFile << 9 << "9600";

        QTest::newRow("empty file keeps everything") << QByteArray() << 0 << "1";

        QByteArray noFinalEol = defaultFile();
        noFinalEol.chop(2);
        QTest::newRow("no final line end") << noFinalEol << 17 << "192.168.0.1";

        QByteArray binary("\x00\xff\xfe=\x01\n", 6);
        QTest::newRow("binary line empties the first entry") << binary << 0 << "";

        QByteArray utf8 = defaultFile();
        utf8.replace("SP_Name=COM1", "SP_Name=端口");
        QTest::newRow("UTF-8 value") << utf8 << 8 << QStringLiteral("端口");
    }
    void reader_quirks()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, entry);
        QFETCH(QString, expected);
        writeRaw(file);
        Ini_ReadTable(configPath);
        QCOMPARE(*ConfigTable[entry].value, expected);
    }

    void reader_hugeLine_isBounded()
    {
        QByteArray huge = "Key_LanguageIsEnglish=" + QByteArray(3 * 1024 * 1024, 'x')
            + "\r\n"
              "Key_UI_Login=0\r\n";
        writeRaw(huge);
        Ini_ReadTable(configPath);
        QVERIFY(Key_LanguageIsEnglish.size() < 128 * 1024);
        QCOMPARE(Key_UI_Login, QStringLiteral("0"));
    }

    void tableForPath_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("count");
        QTest::newRow("config") << QString(ConfigIniRelPath) << 18;
        QTest::newRow("english") << QString(LanguageEnglishRelPath) << 184;
        QTest::newRow("other") << QString(LanguageOtherRelPath) << 184;
        QTest::newRow("unknown") << QStringLiteral("/APP/ConfigFile/other.ini") << 0;
        QTest::newRow("case differs") << QStringLiteral("/APP/ConfigFile/Config.ini") << 0;
    }
    void tableForPath()
    {
        QFETCH(QString, relative);
        QFETCH(int, count);
        QCOMPARE(Ini_TableForPath(App_Path(relative)).count, count);
    }

    void unknownPath_isNeitherReadNorWritten()
    {
        const QString path = dir.filePath("unrelated.ini");
        QVERIFY(!Ini_WriteTable(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
