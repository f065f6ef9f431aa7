// The wire log without widgets: pairing of commands and replies with the link's round trip,
// time-outs, late and unsolicited lines, the bound; how bytes read (hex, visible control
// bytes, invalid UTF-8); hex typed by the operator; the log file, its rotation and failures.
#include "link/wire_format.h"
#include "link/wire_log.h"
#include "link/wire_log_file.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// 2026-12-09 10:11:12.345 local time.
qint64 at(int ms)
{
    return QDateTime(QDate(2026, 12, 9), QTime(10, 11, 12, 345)).toMSecsSinceEpoch() + ms;
}

QStringList lines(const WireLog &log, WireShow show = WireShow::Text)
{
    QStringList out;
    for (const WireEntry &e : log.entries())
        out << Wire_EntryLine(e, show, true);
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestWireLog : public QObject
{
    Q_OBJECT

private slots:
    void pairing()
    {
        WireLog log;
        QSignalSpy appended(&log, &WireLog::appended);
        log.recordSent(7, "GET MODEL TYPE\r", at(0));
        log.recordMatched(7, 6800); // the match reaches us before its line
        log.recordReceived("MODEL TYPE Corvo\r", 7, at(7));
        log.recordSent(8, "GET OUT HDCP\r", at(10));
        log.recordReceived("OUT HDCP FORCE-2.2\r", 8, at(12));
        log.recordMatched(8, 1250); // ... or after it
        log.recordReceived("MAXMODE 4\r", 0, at(13));
        log.recordSent(9, "GET AUDIO VOL\r", at(20));
        log.recordTimedOut(9, at(1020));
        log.recordReceived("AUDIO VOL 60\r", 9, at(1100));
        log.recordSent(10, "X\r\n", at(1200)); // raw, no reply awaited
        QCOMPARE(lines(log),
                 QStringList({"10:11:12.345 -> #7 GET MODEL TYPE<CR>",
                              "10:11:12.352 <- #7 MODEL TYPE Corvo<CR>  [6.8 ms]",
                              "10:11:12.355 -> #8 GET OUT HDCP<CR>",
                              "10:11:12.357 <- #8 OUT HDCP FORCE-2.2<CR>  [1.3 ms]",
                              "10:11:12.358 <- unsolicited MAXMODE 4<CR>",
                              "10:11:12.365 -> #9 GET AUDIO VOL<CR>",
                              "10:11:13.365 !! #9 no reply (timed out)",
                              "10:11:13.445 <- late reply #9 AUDIO VOL 60<CR>",
                              "10:11:13.545 -> #10 X<CR><LF>"}));
        QCOMPARE(appended.size(), 9);
        QCOMPARE(log.entries().front().seq, 1);
        QCOMPARE(log.nextSeq(), 10);
    }

    void time_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("as is") << 0 << "10:11:12.345";
        QTest::newRow("same second") << 600 << "10:11:12.945";
        QTest::newRow("next second") << 655 << "10:11:13.000";
        QTest::newRow("single digit ms") << 660 << "10:11:13.005";
        QTest::newRow("back again") << -345 << "10:11:12.000";
        QTest::newRow("minute turns") << 47654 << "10:11:59.999";
    }
    void time()
    {
        QFETCH(int, offset);
        QFETCH(QString, text);
        QCOMPARE(Wire_Time(at(offset)), text);
    }

    void entryLine_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("show");
        QTest::addColumn<bool>("withTime");
        QTest::addColumn<QString>("expected");
        const int sent = int(WireEntry::Kind::Sent);
        const int reply = int(WireEntry::Kind::Reply);
        QTest::newRow("hex") << sent << QByteArray("GET\r\n") << int(WireShow::Hex) << false
                             << "-> #3 47 45 54 0D 0A";
        QTest::newRow("both") << reply << QByteArray("OK\r") << int(WireShow::Both) << true
                              << "10:11:12.345 <- #3 OK<CR> | 4F 4B 0D  [0.5 ms]";
        QTest::newRow("no time") << reply << QByteArray("OK\r") << int(WireShow::Text) << false
                                 << "<- #3 OK<CR>  [0.5 ms]";
        QTest::newRow("nul and binary")
            << reply << QByteArray("\x00\x01\xff\x7f", 4) << int(WireShow::Both) << false
            << "<- #3 <NUL><SOH><0xFF><DEL> | 00 01 FF 7F  [0.5 ms]";
    }
    void entryLine()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(int, show);
        QFETCH(bool, withTime);
        QFETCH(QString, expected);
        WireEntry e;
        e.kind = WireEntry::Kind(kind);
        e.id = 3;
        e.msecs = at(0);
        e.bytes = bytes;
        e.roundTripUs = 500;
        QCOMPARE(Wire_EntryLine(e, WireShow(show), withTime), expected);
    }

    void visible_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("AUDIO VOL 60") << "AUDIO VOL 60";
        QTest::newRow("controls") << QByteArray("A\tB\x1b[0m\r\n") << "A<TAB>B<ESC>[0m<CR><LF>";
        QTest::newRow("nul") << QByteArray("A\0B", 3) << "A<NUL>B";
        QTest::newRow("unit separator") << QByteArray("\x1f") << "<US>";
        QTest::newRow("valid utf-8") << QByteArray("名称 é") << QString::fromUtf8("名称 é");
        QTest::newRow("lone continuation") << QByteArray("a\x80z") << "a<0x80>z";
        QTest::newRow("truncated sequence") << QByteArray("\xe4\xb8") << "<0xE4><0xB8>";
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << "<0xC0><0xAF>";
        QTest::newRow("surrogate encoded") << QByteArray("\xed\xa0\x80") << "<0xED><0xA0><0x80>";
        QTest::newRow("above U+10FFFF")
            << QByteArray("\xf4\x90\x80\x80") << "<0xF4><0x90><0x80><0x80>";
        QTest::newRow("angle bracket kept") << QByteArray("<CR>") << "<CR>";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void visible()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Wire_Visible(bytes), text);
    }

    void longLine_rendersWhole()
    {
        QByteArray line(1022, 'Z');
        line += '\r';
        QCOMPARE(Wire_Visible(line).size(), 1022 + 4);
        QCOMPARE(Wire_Hex(line).size(), 1023 * 3 - 1);
        QVERIFY(Wire_Hex(line).endsWith(QLatin1String("5A 0D")));
    }

    void body_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("lineEnd");
        QTest::newRow("CR") << QByteArray("OK\r") << QByteArray("OK") << true;
        QTest::newRow("CR LF") << QByteArray("OK\r\n") << QByteArray("OK") << true;
        QTest::newRow("LF") << QByteArray("OK\n") << QByteArray("OK") << true;
        QTest::newRow("LF CR: only CR is the end")
            << QByteArray("OK\n\r") << QByteArray("OK\n") << true;
        QTest::newRow("none") << QByteArray("OK") << QByteArray("OK") << false;
        QTest::newRow("empty") << QByteArray() << QByteArray() << false;
    }
    void body()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, body);
        QFETCH(bool, lineEnd);
        bool had = !lineEnd;
        QCOMPARE(Wire_Body(line, &had), body);
        QCOMPARE(had, lineEnd);
    }

    void parseHex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorAt");
        QTest::addColumn<bool>("odd");
        QTest::newRow("pairs") << "47 45 54 0d 0A" << QByteArray("GET\r\n") << 0 << false;
        QTest::newRow("packed") << "00ff7F" << QByteArray("\x00\xff\x7f", 3) << 0 << false;
        QTest::newRow("0x and commas") << "0x41,0X42\n0x43" << QByteArray("ABC") << 0 << false;
        QTest::newRow("empty") << "" << QByteArray() << 0 << false;
        QTest::newRow("odd count") << "41 4" << QByteArray() << 4 << true;
        QTest::newRow("digit split by space") << "4 1" << QByteArray() << 1 << true;
        QTest::newRow("not hex") << "41 4G" << QByteArray() << 5 << false;
        QTest::newRow("letter alone") << "zz" << QByteArray() << 1 << false;
        QTest::newRow("x without 0") << "1x41" << QByteArray() << 2 << false;
    }
    void parseHex()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(int, errorAt);
        QFETCH(bool, odd);
        int error = -1;
        bool isOdd = !odd;
        QCOMPARE(Wire_ParseHex(text, &error, &isOdd), bytes);
        QCOMPARE(error, errorAt);
        QCOMPARE(isOdd, odd);
    }

    void bounded()
    {
        WireLog log;
        for (int i = 1; i <= WireLog::MaxEntries + 5; ++i)
            log.recordReceived(QByteArray::number(i), 0, at(i));
        QCOMPARE(int(log.entries().size()), 1000);
        QCOMPARE(log.entries().front().bytes, QByteArray("6"));
        QCOMPARE(log.dropped(), 5);
    }

    void logFile_writesRotatesAndStops()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wire.log"));
        WireLogFile file;
        file.start(path, 1024);
        QVERIFY(file.isActive());
        file.write(QStringLiteral("first"));
        file.write(QString::fromUtf8("名称"));
        file.waitForWritten();
        QCOMPARE(readFile(path), QByteArray("first\n名称\n"));

        // 1100 bytes more pass the 1024-byte limit: the file moves to wire.log.1.
        file.write(QString(1099, QLatin1Char('x')));
        file.waitForWritten();
        QCOMPARE(readFile(path + ".1"), QByteArray("first\n名称\n"));
        QCOMPARE(readFile(path).size(), 1100);
        file.write(QStringLiteral("third"));
        file.waitForWritten();
        QCOMPARE(readFile(path + ".1").size(), 1100);
        QCOMPARE(readFile(path), QByteArray("third\n"));

        // Lines handed over right before the stop are still written.
        file.write(QStringLiteral("last"));
        file.stop();
        QVERIFY(!file.isActive());
        QCOMPARE(readFile(path), QByteArray("third\nlast\n"));
        file.write(QStringLiteral("after"));
        QCOMPARE(readFile(path), QByteArray("third\nlast\n"));
    }

    void logFile_failures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("full disk") << "/dev/full";
        QTest::newRow("missing folder") << "/nonexistent-folder/wire.log";
    }
    void logFile_failures()
    {
        QFETCH(QString, path);
        WireLogFile file;
        QSignalSpy failed(&file, &WireLogFile::failed);
        file.start(path);
        for (int i = 0; i < 5; ++i) {
            file.write(QStringLiteral("line %1").arg(i));
            file.flush();
        }
        QVERIFY(failed.wait(5000));
        QVERIFY(failed.at(0).at(0).toString().startsWith(path + ": "));
        QVERIFY(!file.isActive());
        file.write(QStringLiteral("more"));
        file.flush();
        QTest::qWait(0); // nothing more is reported
        QCOMPARE(failed.size(), 1);
    }

    void logFile_readOnlyFolder()
    {
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile(dir.filePath("probe")).open(QIODevice::WriteOnly))
            QSKIP("running with rights that ignore folder permissions");
        WireLogFile file;
        QSignalSpy failed(&file, &WireLogFile::failed);
        file.start(dir.filePath(QStringLiteral("wire.log")));
        QVERIFY(failed.wait(5000));
        QCOMPARE(failed.size(), 1);
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestWireLog)
#include "tst_wire_log.moc"
