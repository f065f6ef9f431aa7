// Positional reader quirks and the exact bytes of the writer.
#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
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
    // A well-formed file in which every value differs from its default.
    static QStringList customValues()
    {
        return {"0",      "0", "0", "0", "0", "0",        "111111", "222222",      "/dev/ttyUSB1",
                "115200", "7", "2", "2", "1", "10.0.0.5", "4001",   "255.255.0.0", "10.0.0.1"};
    }
    static QStringList defaultValues()
    {
        return {"1",
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
    }
    static QList<QByteArray> customLines()
    {
        return {"Key_LanguageIsEnglish=0\r\n",
                "Key_UI_Login=0\r\n",
                "Key_UI_Output=0\r\n",
                "Key_UI_Multiview=0\r\n",
                "Key_UI_Audio=0\r\n",
                "Key_UI_System=0\r\n",
                "Spassword_Admin=111111\r\n",
                "Spassword_User=222222\r\n",
                "SP_Name=/dev/ttyUSB1\r\n",
                "SP_BaudRate=115200\r\n",
                "SP_DataBit=7\r\n",
                "SP_Parity=2\r\n",
                "SP_StopBit=2\r\n",
                "SP_FlowControl=1\r\n",
                "SP_RemoteIp=10.0.0.5\r\n",
                "SP_RemotePort=4001\r\n",
                "SP_RemoteSubmask=255.255.0.0\r\n",
                "SP_RemoteGateway=10.0.0.1\r\n"};
    }
    static QByteArray joined(const QList<QByteArray> &lines)
    {
        QByteArray bytes;
        for (const QByteArray &line : lines)
            bytes += line;
        return bytes;
    }
    static QByteArray customFile() { return joined(customLines()); }
    // The lines of a file, each with its CR LF.
    static QList<QByteArray> fileLines(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines;
        while (!f.atEnd())
            lines << f.readLine();
        return lines;
    }
    static QStringList lineValues(const QList<QByteArray> &lines)
    {
        QStringList values;
        for (const QByteArray &line : lines)
            values << QString::fromUtf8(line.mid(line.indexOf('=') + 1).chopped(2));
        return values;
    }
    // The built-in English texts as a golden file kept with the tests.
    static QStringList englishValues()
    {
        return lineValues(fileLines(
            QStringLiteral(KORVANE_SOURCE_DIR "/tests/unit/app/data/language-English.ini")));
    }
    static QStringList currentValues()
    {
        QStringList values;
        for (const IniEntry &entry : ConfigTable)
            values << *entry.value;
        return values;
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

        QByteArray thirdDeleted = customFile();
        thirdDeleted.replace("Key_UI_Output=0\r\n", "");
        QTest::newRow("deleted line takes its default") << thirdDeleted << 2 << "1";
        QTest::newRow("deleted line: later ones by key") << thirdDeleted << 5 << "0";
        QTest::newRow("deleted line: next-to-last") << thirdDeleted << 16 << "255.255.0.0";
        QTest::newRow("deleted line: last") << thirdDeleted << 17 << "10.0.0.1";

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

        QByteArray wrongCase = customFile();
        wrongCase.replace("SP_Name=/dev/ttyUSB1", "sp_name=COM2");
        QTest::newRow("wrong case counts as missing") << wrongCase << 8 << "COM1";
        QTest::newRow("wrong case: next line by key") << wrongCase << 9 << "115200";

        QByteArray spaceBeforeEq = customFile();
        spaceBeforeEq.replace("SP_Name=/dev/ttyUSB1", "SP_Name =COM2");
        QTest::newRow("space before = counts as missing") << spaceBeforeEq << 8 << "COM1";

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
        QTest::newRow("binary line: first entry default") << binary << 0 << "1";
        QTest::newRow("binary line: password default") << binary << 6 << "428613";

        QByteArray emptied = customFile();
        emptied.replace("Spassword_User=222222", "Spassword_User=");
        QTest::newRow("password emptied by hand stays empty") << emptied << 7 << "";
        emptied.replace("Key_UI_Output=0\r\n", "");
        QTest::newRow("emptied password found by key stays empty") << emptied << 7 << "";

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

    // One damaged line costs only its own entry: a lost line takes its default, and every
    // other value is found under its key. The save then writes the usual 18 lines.
    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        const QList<QByteArray> lines = customLines();
        const QStringList custom = customValues();
        const QStringList defaults = defaultValues();

        QTest::newRow("well-formed") << customFile() << custom;
        for (int i = 0; i < lines.size(); ++i) {
            QList<QByteArray> damaged = lines;
            damaged.removeAt(i);
            QStringList expected = custom;
            expected[i] = defaults[i];
            QTest::addRow("line %d deleted", i + 1) << joined(damaged) << expected;
        }
        for (int i : {0, 2, 6, 16, 17}) {
            QList<QByteArray> damaged = lines;
            damaged.insert(i, lines[i]);
            QTest::addRow("line %d duplicated", i + 1) << joined(damaged) << custom;
        }
        for (int i : {0, 3, 7, 17, 18}) {
            QList<QByteArray> damaged = lines;
            damaged.insert(i, "Foreign_Key=9\r\n");
            QTest::addRow("foreign line before line %d", i + 1) << joined(damaged) << custom;
        }
        for (int i : {0, 2, 6, 16}) {
            QList<QByteArray> damaged = lines;
            damaged.swapItemsAt(i, i + 1);
            QTest::addRow("lines %d and %d swapped", i + 1, i + 2) << joined(damaged) << custom;
        }
        QList<QByteArray> reversed;
        for (const QByteArray &line : lines)
            reversed.prepend(line);
        QTest::newRow("all lines reversed") << joined(reversed) << custom;

        QList<QByteArray> doubled = lines;
        doubled.insert(3, "Key_UI_Multiview=first\r\n");
        QStringList firstWins = custom;
        firstWins[3] = "first";
        QTest::newRow("doubled key: first wins") << joined(doubled) << firstWins;

        QList<QByteArray> earlierKey = lines;
        earlierKey.insert(5, "Key_UI_Login=late\r\n");
        QTest::newRow("late copy of a read key ignored") << joined(earlierKey) << custom;

        QList<QByteArray> unterminated = lines;
        unterminated.removeAt(4);
        unterminated.last().chop(2);
        QStringList lastKept = custom;
        lastKept[4] = "1";
        QTest::newRow("deleted line, no final line end") << joined(unterminated) << lastKept;

        QRandomGenerator random(20240611);
        for (int size : {1, 17, 300, 4096}) {
            QByteArray bytes(size, '\0');
            for (char &b : bytes)
                b = char(random.bounded(256));
            QTest::addRow("random %d bytes", size) << bytes << defaults;
        }
        QTest::newRow("random text lines")
            << QByteArray("x=1\r\nKey_LanguageIsEnglish\r\n=0\r\n\xff\xfe\r\n") << defaults;
    }
    void damagedFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        writeRaw(file);
        Ini_ReadTable(configPath); // over the built-in defaults, as at start
        QCOMPARE(currentValues(), expected);

        // The save writes the usual 18 lines, whatever the file looked like.
        QVERIFY(Ini_WriteTable(configPath));
        QFile f(configPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray saved = f.readAll();
        QCOMPARE(saved.count("\r\n"), 18);
        QVERIFY(saved.startsWith("Key_LanguageIsEnglish="));
        QVERIFY(saved.contains("\r\nSP_RemoteGateway="));
        if (expected == customValues())
            QCOMPARE(saved, customFile()); // a readable file is written back byte for byte
    }

    void readDevice_fromMemory()
    {
        QByteArray bytes = customFile();
        bytes.replace("SP_Name=/dev/ttyUSB1\r\n", "");
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        Ini_ReadDevice(buffer, {ConfigTable, ConfigTableSize, &ConfigTableBuiltIn, false});
        QCOMPARE(SP_Name, QStringLiteral("COM1")); // keys searched in turn without an index
        SP_Name = QStringLiteral("stale");
        buffer.seek(0);
        Ini_ReadDevice(buffer, Ini_TableForPath(App_Path(ConfigIniRelPath)));
        QCOMPARE(SP_Name, QStringLiteral("COM1"));
        QCOMPARE(SP_BaudRate, QStringLiteral("115200"));
        QCOMPARE(SP_RemoteGateway, QStringLiteral("10.0.0.1"));
    }

    // The same for a language file: a text the file lacks, or leaves empty, shows its
    // built-in English text; no caption is ever blank and nothing blank is saved.
    void damagedLanguageFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        const QList<QByteArray> lines
            = fileLines(KORVANE_SOURCE_DIR "/APP/ConfigFile/language-Other.ini");
        QCOMPARE(lines.size(), 184);
        const QStringList other = lineValues(lines);
        const QStringList english = englishValues();

        QTest::newRow("well-formed") << joined(lines) << other;
        for (int i = 0; i < lines.size(); ++i) {
            QList<QByteArray> damaged = lines;
            damaged.removeAt(i);
            QStringList expected = other;
            expected[i] = english[i];
            QTest::addRow("line %d deleted", i + 1) << joined(damaged) << expected;
        }
        for (int i : {0, 29, 183}) {
            QList<QByteArray> damaged = lines;
            damaged.insert(i, lines[i]);
            QTest::addRow("line %d duplicated", i + 1) << joined(damaged) << other;
        }
        for (int i : {0, 99, 184}) {
            QList<QByteArray> damaged = lines;
            damaged.insert(i, "<html><body>not found</body></html>\r\n");
            QTest::addRow("foreign line before line %d", i + 1) << joined(damaged) << other;
        }
        for (int i : {0, 43, 182}) {
            QList<QByteArray> damaged = lines;
            damaged.swapItemsAt(i, i + 1);
            QTest::addRow("lines %d and %d swapped", i + 1, i + 2) << joined(damaged) << other;
        }
        QList<QByteArray> emptied = lines;
        emptied[2] = "S_ConnectDisconnect[0]=\r\n";
        QStringList connect = other;
        connect[2] = QStringLiteral("Connect");
        QTest::newRow("empty text under its key") << joined(emptied) << connect;
        emptied.removeAt(10);
        connect[10] = QStringLiteral("IN-5");
        QTest::newRow("empty text found by key") << joined(emptied) << connect;

        QRandomGenerator random(77);
        for (int size : {5, 1000, 20000}) {
            QByteArray bytes(size, '\0');
            for (char &b : bytes)
                b = char(random.bounded(256));
            QTest::addRow("random %d bytes", size) << bytes << english;
        }
    }
    void damagedLanguageFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        const QStringList english = englishValues();
        for (int i = 0; i < LanguageTableSize; ++i)
            *LanguageTable[i].value = english[i];
        const QString path = App_Path(LanguageOtherRelPath);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(file);
        f.close();

        Ini_ReadTable(path);
        QStringList values;
        for (const IniEntry &entry : LanguageTable)
            values << *entry.value;
        for (int i = 0; i < LanguageTableSize; ++i)
            QCOMPARE(values[i], expected[i]);

        QVERIFY(Ini_WriteTable(path));
        const QList<QByteArray> saved = fileLines(path);
        QCOMPARE(saved.size(), 184);
        for (const QByteArray &line : saved)
            QVERIFY2(!line.endsWith("=\r\n"), line.constData());
        const QList<QByteArray> shipped
            = fileLines(KORVANE_SOURCE_DIR "/APP/ConfigFile/language-Other.ini");
        if (expected == lineValues(shipped))
            QCOMPARE(joined(saved), joined(shipped)); // the well-formed file, byte for byte
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
