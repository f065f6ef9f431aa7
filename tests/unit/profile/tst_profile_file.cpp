// Profile files: the exact bytes written, reading them back, and every way a file can be
// damaged, wrong or hostile, each refused with its line and without a partial profile.
#include "profile/profile_file.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

SettingId Id(const char *key)
{
    return *Setting_FromKey(QString::fromLatin1(key));
}

Profile Sample()
{
    Profile p;
    p.model = 3; // Tessin
    p.created = "2024-05-01T12:00:00Z";
    p.panelVersion = "0.1.0";
    p.set(Id("output.resolution"), "USER");
    p.set(Id("output.user-resolution"), "1920 1080");
    p.set(Id("output.hdcp"), "FORCE-2.2");
    p.set(Id("output.4k-auto"), "OFF");
    p.set(Id("multiview.layout"), "PIP");
    p.set(Id("multiview.pip-position"), "USER");
    p.set(Id("multiview.pip-size"), "USER");
    p.set(Id("multiview.user-rectangle"), "1440 810 480 270");
    p.set(Id("window.1.source"), "HDMI7");
    p.set(Id("window.2.source"), "DP");
    p.set(Id("audio.source"), "LR2");
    p.set(Id("audio.volume"), "30");
    p.set(Id("mic.1.switch"), "ON");
    p.set(Id("mic.1.volume"), "12");
    p.set(Id("edid.mode"), "AUTO");
    p.set(Id("network.port"), "5000");
    p.set(Id("serial.baud-rate"), "115200");
    p.set(Id("input.1.name"), "Cam \"A\"\\1");
    p.set(Id("scene.20.name"), QString::fromUtf8("场景"));
    return p;
}

const char *const SampleJson = R"({
  "format": "korvane-profile",
  "version": 1,
  "created": "2024-05-01T12:00:00Z",
  "panel": "0.1.0",
  "model": "Tessin",
  "output": {
    "resolution": "USER",
    "user-resolution": [1920, 1080],
    "hdcp": "FORCE-2.2",
    "4k-auto": "OFF"
  },
  "multiview": {
    "layout": "PIP",
    "pip-position": "USER",
    "pip-size": "USER",
    "user-rectangle": [1440, 810, 480, 270]
  },
  "window": {
    "1": {"source": "HDMI7"},
    "2": {"source": "DP"}
  },
  "audio": {
    "source": "LR2",
    "volume": 30
  },
  "mic": {
    "1": {"switch": "ON", "volume": 12}
  },
  "edid": {
    "mode": "AUTO"
  },
  "network": {
    "port": 5000
  },
  "serial": {
    "baud-rate": 115200
  },
  "input": {
    "1": {"name": "Cam \"A\"\\1"}
  },
  "scene": {
    "20": {"name": "场景"}
  }
}
)";

// A minimal valid header before the given body members.
QByteArray Doc(const char *model, const QByteArray &body)
{
    return QByteArray("{\n\"format\": \"korvane-profile\",\n\"version\": 1,\n\"model\": \"") + model
        + "\"" + (body.isEmpty() ? QByteArray() : ",\n" + body) + "\n}\n";
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void writesFixedLayout()
    {
        QCOMPARE(QString::fromUtf8(Profile_ToJson(Sample())), QString::fromUtf8(SampleJson));
    }

    void readsWhatItWrites()
    {
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY2(Profile_FromJson(SampleJson, &read, &problems),
                 qPrintable(Profile_ProblemsText(problems)));
        QCOMPARE(read, Sample());
    }

    void minimalProfile()
    {
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(Profile_FromJson(Doc("Corvo", ""), &read, &problems));
        QCOMPARE(read.model, 1);
        QVERIFY(read.values.empty());
        QVERIFY(read.created.isEmpty());
    }

    void lenientWhereHarmless_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        QTest::newRow("word case")
            << Doc("Halden", "\"multiview\": {\"layout\": \"3XWIN\"}") << "multiview.layout"
            << "3xWIN";
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF") + Doc("Halden", "\"audio\": {\"volume\": 7}")
            << "audio.volume"
            << "7";
        QTest::newRow("CR LF lines")
            << Doc("Halden", "\"audio\": {\r\n\"mute\": \"ON\"}").replace("\n", "\r\n")
            << "audio.mute"
            << "ON";
        QTest::newRow("escaped name")
            << Doc("Halden", "\"input\": {\"3\": {\"name\": \"\\u00e9t\\u00e9 \\ud83c\\udfa5\"}}")
            << "input.3.name" << QString::fromUtf8("été 🎥");
    }
    void lenientWhereHarmless()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);
        QFETCH(QString, value);
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY2(Profile_FromJson(bytes, &read, &problems),
                 qPrintable(Profile_ProblemsText(problems)));
        QCOMPARE(read.value(*Setting_FromKey(key)), value);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem"); // the first problem, as shown

        QTest::newRow("empty") << QByteArray() << "line 1: the file is empty";
        QTest::newRow("blank") << QByteArray(" \n\n \n") << "line 4: the file is empty";
        QTest::newRow("not json") << QByteArray("model=Halden\n")
                                  << "line 1: expected a value, found \"m\"";
        QTest::newRow("truncated") << QByteArray(SampleJson).left(300)
                                   << "line 15: the file ends too early (it is cut off)";
        QTest::newRow("truncated inside text") << QByteArray(SampleJson).left(200)
                                               << "line 9: the file ends too early (it is cut off)";
        QTest::newRow("a list") << QByteArray("[1, 2]")
                                << "line 1: a profile is a group in braces { }, not a list";
        QTest::newRow("trailing text") << Doc("Halden", "") + "}"
                                       << "line 6: unexpected text after the end of the profile";
        QTest::newRow("missing comma")
            << QByteArray("{\"format\": \"korvane-profile\"\n\"version\": 1}")
            << "line 2: expected \",\" or \"}\", found \"\"\"";
        QTest::newRow("not a profile")
            << QByteArray("{\"format\": \"other\", \"version\": 1, \"model\": \"Halden\"}")
            << "line 1: not a Korvane profile (\"format\" must be \"korvane-profile\")";
        QTest::newRow("newer format")
            << QByteArray(
                   "{\"format\": \"korvane-profile\",\n\"version\": 2, \"model\": \"Halden\"}")
            << "line 2: format version 2 is newer than this program reads (1); use a newer Korvane";
        QTest::newRow("no model") << QByteArray("{\"format\": \"korvane-profile\", \"version\": 1}")
                                  << "line 1: \"model\" is missing";
        QTest::newRow("unknown model") << Doc("Halden9000", "")
                                       << "line 4: unknown model \"Halden9000\" (Halden, Corvo, "
                                          "Marlet, Tessin or Brimo)";
        QTest::newRow("unknown key") << Doc("Halden", "\"output\": {\n\"brightness\": 3}")
                                     << "line 6: unknown key \"output.brightness\"";
        QTest::newRow("unknown group")
            << Doc("Halden", "\"lights\": {}") << "line 5: unknown key \"lights\"";
        QTest::newRow("dotted group") << Doc("Halden", "\"window.1\": {\"source\": \"HDMI1\"}")
                                      << "line 5: unknown key \"window.1\"";
        QTest::newRow("window 5") << Doc("Halden", "\"window\": {\"5\": {\"source\": \"HDMI1\"}}")
                                  << "line 5: unknown key \"window.5\"";
        QTest::newRow("duplicate key")
            << Doc("Halden", "\"audio\": {\"volume\": 3,\n\"volume\": 4}")
            << "line 6: key \"volume\" appears twice (first on line 5)";
        QTest::newRow("another model's source")
            << Doc("Corvo",
                   "\"multiview\": {\"layout\": \"SINGLE\"},\n\"window\": {\"1\": "
                   "{\"source\": \"HDMI7\"}}")
            << "line 6: window.1.source: \"HDMI7\" is not a valid source of window 1 on a Corvo "
               "(one of HDMI1, HDMI2, HDMI3, HDMI4)";
        QTest::newRow("4k auto on Corvo") << Doc("Corvo", "\"output\": {\"4k-auto\": \"ON\"}")
                                          << "line 5: output.4k-auto: a Corvo has no 4K AUTO";
        QTest::newRow("volume over Tessin's")
            << Doc("Tessin", "\"audio\": {\n\n\"volume\": 51}")
            << "line 7: audio.volume: 51 is outside 0..50 on a Tessin";
        QTest::newRow("volume as text")
            << Doc("Halden", "\"audio\": {\"volume\": \"30\"}")
            << "line 5: audio.volume must be a whole number, not a text";
        QTest::newRow("volume fraction")
            << Doc("Halden", "\"audio\": {\"volume\": 30.5}")
            << "line 5: audio.volume must be a whole number, not a fraction";
        QTest::newRow("volume negative") << Doc("Halden", "\"audio\": {\"volume\": -3}")
                                         << "line 5: audio.volume: -3 is out of range";
        QTest::newRow("volume huge")
            << Doc("Halden", "\"audio\": {\"volume\": 99999999999999999999}")
            << "line 5: audio.volume: 99999999999999999999 is out of range";
        QTest::newRow("rectangle short")
            << Doc("Halden",
                   "\"multiview\": {\"layout\": \"PBP\", \"variant\": 3, "
                   "\"user-rectangle\": [1, 2, 3]}")
            << "line 5: multiview.user-rectangle must be a list of 4 whole numbers";
        QTest::newRow("aspect in SINGLE")
            << Doc("Halden", "\"multiview\": {\"layout\": \"SINGLE\",\n\"aspect\": \"FULL\"}")
            << "line 6: multiview.aspect: does not belong to the SINGLE layout";
        QTest::newRow("aspect without layout")
            << Doc("Halden", "\"multiview\": {\"aspect\": \"FULL\"}")
            << "line 5: multiview.aspect: needs multiview.layout";
        QTest::newRow("rectangle without USER")
            << Doc("Halden",
                   "\"multiview\": {\"layout\": \"PIP\", \"pip-position\": \"LeftTop\",\n"
                   "\"user-rectangle\": [1, 2, 3, 4]}")
            << "line 6: multiview.user-rectangle: applies only to PIP with a USER position or "
               "size, or to PBP in variant 3";
        QTest::newRow("third window in PIP")
            << Doc("Halden",
                   "\"multiview\": {\"layout\": \"PIP\"},\n\"window\": {\"3\": "
                   "{\"source\": \"HDMI1\"}}")
            << "line 6: window.3.source: the PIP layout has 2 window(s)";
        QTest::newRow("user resolution without USER")
            << Doc("Halden", "\"output\": {\"resolution\": \"AUTO\",\n\"user-resolution\": [1, 2]}")
            << "line 6: output.user-resolution: applies only with output.resolution USER";
        QTest::newRow("huge name")
            << Doc("Halden", "\"input\": {\"1\": {\"name\": \"" + QByteArray(300, 'N') + "\"}}")
            << "line 5: input.1.name: a name of 300 characters is longer than 256";
        QTest::newRow("giant text")
            << Doc("Halden", "\"input\": {\"1\": {\"name\": \"" + QByteArray(5000, 'N') + "\"}}")
            << "line 5: a text longer than 4096 bytes";
        QTest::newRow("name with line break")
            << Doc("Halden", "\"scene\": {\"2\": {\"name\": \"a\\nb\"}}")
            << "line 5: scene.2.name: a name may not contain "
               "control characters";
        QTest::newRow("raw line break in text")
            << QByteArray("{\"format\": \"korvane-\nprofile\"}")
            << "line 1: a text is not closed before the line ends";
        QTest::newRow("not utf-8") << Doc("Halden", "\"input\": {\"1\": {\"name\": \"\xC3\x28\"}}")
                                   << "line 5: the file is not UTF-8 text (byte 0xc3)";
        QTest::newRow("half surrogate")
            << Doc("Halden", "\"input\": {\"1\": {\"name\": \"\\ud83c\"}}")
            << "line 5: a \\u escape with half a character pair";
        QTest::newRow("deep nesting")
            << QByteArray(20, '[') << "line 1: nested more than 8 levels deep";
        QTest::newRow("bad date") << QByteArray(
            "{\"format\": \"korvane-profile\", \"version\": 1,\n"
            "\"created\": \"yesterday\", \"model\": \"Brimo\"}")
                                  << "line 2: \"created\" is not a date and time like "
                                     "2024-05-01T12:00:00Z";
        QTest::newRow("NUL byte") << QByteArray("{\0}", 3)
                                  << "line 1: expected a quoted key, found byte 0x00";
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        Profile read = Sample();
        QVector<ProfileProblem> problems;
        QVERIFY(!Profile_FromJson(bytes, &read, &problems));
        QVERIFY(!problems.isEmpty());
        QCOMPARE(Profile_ProblemText(problems.first()), problem);
        QCOMPARE(read, Sample()); // nothing of a refused file is taken over
    }

    void everyProblemIsListed()
    {
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(!Profile_FromJson(Doc("Corvo",
                                      "\"output\": {\"4k-auto\": \"ON\",\n\"contrast\": 1},\n"
                                      "\"audio\": {\"volume\": 101}"),
                                  &read, &problems));
        QCOMPARE(Profile_ProblemsText(problems),
                 QString("line 5: output.4k-auto: a Corvo has no 4K AUTO\n"
                         "line 6: unknown key \"output.contrast\"\n"
                         "line 7: audio.volume: 101 is outside 0..100 on a Corvo"));
    }

    void problemListIsBounded()
    {
        QByteArray body = "\"output\": {";
        for (int i = 0; i < 200; ++i)
            body += (i ? ",\n" : "") + QByteArray("\"x") + QByteArray::number(i) + "\": 1";
        body += "}";
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(!Profile_FromJson(Doc("Halden", body), &read, &problems));
        QCOMPARE(problems.size(), ProfileMaxProblems + 1);
        QCOMPARE(problems.last().reason, QString("and more problems"));
    }

    void hugeFileRefusedBeforeReading()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("huge.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100 * 1024 * 1024)); // sparse: 100 MB without writing them
        file.close();
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(!Profile_ReadFile(path, &read, &problems));
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().reason,
                 path + " is 104857600 bytes; a profile is at most 1048576 bytes");
    }

    void fileJustOverTheLimit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(ProfileMaxFileBytes + 1));
        file.close();
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(!Profile_ReadFile(path, &read, &problems));
        QVERIFY(problems.first().reason.endsWith("a profile is at most 1048576 bytes"));
    }

    void missingFileAndFolder()
    {
        QTemporaryDir dir;
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(!Profile_ReadFile(dir.filePath("none.json"), &read, &problems));
        QVERIFY(problems.first().reason.startsWith("cannot open " + dir.filePath("none.json")));
        QVERIFY(!Profile_ReadFile(dir.path(), &read, &problems));
        QCOMPARE(problems.first().reason, dir.path() + " is a folder, not a profile file");
    }

    void writeReplacesOnlyWhenComplete()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.json");
        QString error;
        QVERIFY(Profile_WriteFile(path, Sample(), &error));
        Profile read;
        QVector<ProfileProblem> problems;
        QVERIFY(Profile_ReadFile(path, &read, &problems));
        QCOMPARE(read, Sample());
        // A folder that cannot be written: the call says so and nothing else happens.
        QVERIFY(!Profile_WriteFile(dir.filePath("no/such/folder/p.json"), Sample(), &error));
        QVERIFY(error.startsWith("cannot write " + dir.filePath("no/such/folder/p.json")));
    }
};

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profile_file.moc"
