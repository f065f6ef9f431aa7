// System page: EDID selection, reset, firmware versions, the user EDID upload with its rule
// and every awkward file, the device's network and baud settings with the reconnect notice,
// and the per-model layout.
#include "app/config_values.h"
#include "page_harness.h"
#include "support/edid_files.h"
#include "support/modal_box_driver.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QString ReconnectNotice = QStringLiteral("1-Sync Config Info....\r\n2-Please ReConnect App!");
const QString NotEdid = QStringLiteral("this not is EDID File!");
const QString CheckFail = QStringLiteral("EDID check fail,please check your EDID file!");
const QString FirstLoad = QStringLiteral("error,please first select your EDID file");

// The upload line for these 256 bytes.
QByteArray uploadLine(const QByteArray &bytes)
{
    QByteArray line("SET EDID-USER");
    for (int i = 0; i < 256; ++i)
        line += ' '
            + QByteArray::number(i < bytes.size() ? quint8(bytes[i]) : 0, 16)
                  .rightJustified(2, '0')
                  .toUpper();
    return line + '\r';
}
} // namespace

class TestSystemPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageTestEnv> m_env;

private slots:
    void init() { m_env = std::make_unique<PageTestEnv>(); }
    void cleanup() { m_env.reset(); }

    void edidCombo_everyEntry()
    {
        Ui_System page;
        QCOMPARE(comboItems(page.edidCombo()),
                 QStringList({"4K60-2.0", "4K60-5.1", "4K60-7.1", "4K30-2.0", "4K30-5.1",
                              "4K30-7.1", "1080p60-2.0", "1080p60-5.1", "1080p60-7.1", "1920x1200",
                              "1680x1050", "1600x1200", "1440x900", "1360x768", "1280x1024",
                              "1024x768", "720p", "Auto", "User"}));
        const Lines lines {"SET IN EDIDMODE 4K60-2.0\r",    "SET IN EDIDMODE 4K60-5.1\r",
                           "SET IN EDIDMODE 4K60-7.1\r",    "SET IN EDIDMODE 4K30-2.0\r",
                           "SET IN EDIDMODE 4K30-5.1\r",    "SET IN EDIDMODE 4K30-7.1\r",
                           "SET IN EDIDMODE 1080p60-2.0\r", "SET IN EDIDMODE 1080p60-5.1\r",
                           "SET IN EDIDMODE 1080p60-7.1\r", "SET IN EDIDMODE 1920x1200\r",
                           "SET IN EDIDMODE 1680x1050\r",   "SET IN EDIDMODE 1600x1200\r",
                           "SET IN EDIDMODE 1440x900\r",    "SET IN EDIDMODE 1360x768\r",
                           "SET IN EDIDMODE 1280x1024\r",   "SET IN EDIDMODE 1024x768\r",
                           "SET IN EDIDMODE 720p\r",        "SET IN EDIDMODE AUTO\r",
                           "SET IN EDIDMODE USER\r"};
        QCOMPARE(page.edidCombo()->count(), lines.size());
        for (int i = 0; i < page.edidCombo()->count(); ++i) {
            QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
            Choose(page.edidCombo(), i);
            QCOMPARE(QueuedCommands_Take(), Lines {lines.at(i)});
            QCOMPARE(emitted.count(), 1);
        }
        PageReplies replies(page);
        replies.line("IN EDIDMODE 1080p60-5.1");
        QCOMPARE(page.edidCombo()->currentIndex(), 7);
    }

    void reset_asksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("YES") << "YES" << Lines {"SET RESET\r"};
        QTest::newRow("NO") << "NO" << Lines {};
        QTest::newRow("closed") << ModalBoxDriver::CloseWindow << Lines {};
    }
    void reset_asksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(Lines, lines);
        Ui_System page;
        ModalBoxDriver boxes;
        boxes.answer(answer);
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.resetButton()->click();
        QCOMPARE(boxes.texts(), QStringList {SMSG_ResetMessage});
        QCOMPARE(QueuedCommands_Take(), lines);
        QCOMPARE(emitted.count(), lines.size());
    }

    void firmware_perModel_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("Halden") << 0 << QStringList {"Main", "Sub", "Expand"}
                                << Lines {"GET VERSION\r", "GET SUB-VERSION\r",
                                          "GET EXPAND-VERSION\r"};
        QTest::newRow("Corvo") << 1 << QStringList {"Main", "Sub"}
                               << Lines {"GET VERSION\r", "GET SUB-VERSION\r"};
        QTest::newRow("Marlet") << 2 << QStringList {"Main", "Sub", "Expand", "KeyBoard"}
                                << Lines {"GET VERSION\r", "GET SUB-VERSION\r",
                                          "GET EXPAND-VERSION\r", "GET KEYBOARD-VERSION\r"};
        QTest::newRow("Tessin") << 3 << QStringList {"Main", "Sub", "KeyBoard"}
                                << Lines {"GET VERSION\r", "GET SUB-VERSION\r",
                                          "GET KEYBOARD-VERSION\r"};
        QTest::newRow("Brimo") << 4 << QStringList {"Main", "Sub"}
                               << Lines {"GET VERSION\r", "GET SUB-VERSION\r"};
    }
    void firmware_perModel()
    {
        QFETCH(int, model);
        QFETCH(QStringList, items);
        QFETCH(Lines, lines);
        Ui_System page;
        Identify(quint8(model));
        page.ApplyModel();
        QCOMPARE(comboItems(page.firmwareCombo()), items);
        for (int i = 0; i < items.size(); ++i) {
            page.versionEdit()->setText("old");
            QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
            Choose(page.firmwareCombo(), i);
            QCOMPARE(QueuedCommands_Take(), Lines {lines.at(i)});
            QCOMPARE(emitted.count(), 1);
            QVERIFY(page.versionEdit()->text().isEmpty());
        }
    }

    void versionReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::newRow("main") << QByteArray("VERSION V1.2.3") << "V1.2.3";
        QTest::newRow("arm") << QByteArray("ARM VERSION V1.0") << "V1.0";
        QTest::newRow("sub") << QByteArray("SUB-VERSION S-2.0 beta") << "S-2.0 beta";
        QTest::newRow("keyboard") << QByteArray("KEYBOARD-VERSION K9") << "K9";
    }
    void versionReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        Ui_System page;
        PageReplies replies(page);
        page.versionEdit()->setText("previous");
        replies.line(reply);
        QCOMPARE(page.versionEdit()->text(), text);
        QCOMPARE(page.versionEdit()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(page.pathEdit()->focusPolicy(), Qt::NoFocus);
    }

    void fileChoice_remembersFolder()
    {
        Ui_System page;
        QStringList asked;
        QWidget *askedParent = nullptr;
        QString answer = QStringLiteral("/data/edid/monitor.bin");
        page.setFileChooser([&](QWidget *parent, const QString &caption, const QString &folder,
                                const QString &filter) {
            asked << caption << folder << filter;
            askedParent = parent;
            return answer;
        });
        page.loadButton()->click();
        QCOMPARE(askedParent, &page);
        QCOMPARE(asked, (QStringList {"Select Edid File", ".", "Bin File(*.bin)"}));
        QCOMPARE(page.pathEdit()->text(), answer);
        QCOMPARE(EdidFileDialogPath, QStringLiteral("/data/edid"));

        // Cancelled: the path is cleared, the folder kept.
        answer.clear();
        asked.clear();
        page.loadButton()->click();
        QCOMPARE(asked.at(1), QStringLiteral("/data/edid"));
        QVERIFY(page.pathEdit()->text().isEmpty());
        QCOMPARE(EdidFileDialogPath, QStringLiteral("/data/edid"));

        answer = QStringLiteral("/top.bin");
        page.loadButton()->click();
        QCOMPARE(EdidFileDialogPath, QStringLiteral("/"));
        QCOMPARE(QueuedCommands_Take(), Lines {});
    }

    void upload_data()
    {
        QTest::addColumn<QString>("kind"); // file, none, folder, missing, fifo
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QByteArray good = EdidSample(1);
        QTest::newRow("valid 256, one extension") << "file" << good << "";
        QTest::newRow("valid 128, no extension") << "file" << EdidSample(0).left(128) << "";
        QTest::newRow("128 announcing one extension")
            << "file" << EdidSample(1).left(128) << CheckFail;
        QTest::newRow("200 announcing one extension")
            << "file" << EdidSample(1).left(200) << CheckFail;
        QTest::newRow("100 bytes, count 0") << "file" << EdidSample(0).left(100) << CheckFail;
        QTest::newRow("first byte 01, sums right") << "file" << [] {
            QByteArray b = EdidSample(0);
            b[0] = 1;
            b[127] = char(b[127] - 1);
            return b;
        }() << NotEdid;
        QTest::newRow("empty") << "file" << QByteArray() << NotEdid;
        QTest::newRow("one byte") << "file" << QByteArray(1, '\0') << NotEdid;
        QTest::newRow("text file") << "file" << QByteArray("not an edid at all\n") << NotEdid;
        QTest::newRow("base sum wrong") << "file" << EdidChanged(good, 40, 1) << CheckFail;
        QTest::newRow("extension sum wrong, count 1")
            << "file" << EdidChanged(good, 200, 1) << CheckFail;
        QTest::newRow("extension sum wrong, count 0")
            << "file" << EdidChanged(EdidSample(0), 200, 1) << "";
        QTest::newRow("extension sum wrong, count 2")
            << "file" << EdidChanged(EdidSample(2), 200, 1) << CheckFail;
        QTest::newRow("count 2, 384 bytes, every sum right") << "file" << [] {
            QByteArray third(128, '\0');
            third[0] = char(0x02);
            third[127] = char(0xFE);
            return EdidSample(2) + third;
        }() << CheckFail;
        QTest::newRow("extension sum wrong, count 255")
            << "file" << EdidChanged(EdidSample(255), 200, 1) << CheckFail;
        QTest::newRow("10 MB starting with an EDID")
            << "file" << good + QByteArray(10 * 1024 * 1024, char(0x77)) << "";
        QTest::newRow("no file chosen") << "none" << QByteArray() << FirstLoad;
        QTest::newRow("folder") << "folder" << QByteArray() << NotEdid;
        QTest::newRow("missing file") << "missing" << QByteArray() << NotEdid;
        QTest::newRow("named pipe") << "fifo" << QByteArray() << NotEdid;
    }
    void upload()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString path = dir.filePath("edid.bin");
        if (kind == "none")
            path.clear();
        else
            QVERIFY(EdidMakePath(kind, path, content));
        Ui_System page;
        page.setFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        page.loadButton()->click();
        ModalBoxDriver boxes;
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.edidWriteButton()->click();
        const Lines sent = QueuedCommands_Take();
        if (message.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(sent.size(), 1);
            QCOMPARE(sent.first().size(), 781 + 1);
            QCOMPARE(sent.first(), uploadLine(content.left(256)));
            QCOMPARE(emitted.count(), 1);
        } else {
            QCOMPARE(boxes.texts(), QStringList {message});
            QCOMPARE(sent, Lines {});
            QCOMPARE(emitted.count(), 0);
        }
    }

    void upload_shortFileAfterLongOne_sendsZerosNotLeftovers()
    {
        QTemporaryDir dir;
        const QString longFile = dir.filePath("long.bin"), shortFile = dir.filePath("short.bin");
        QVERIFY(EdidMakePath("file", longFile, EdidSample(1)));
        QVERIFY(EdidMakePath("file", shortFile, EdidSample(0).left(128)));
        Ui_System page;
        QString chosen = longFile;
        page.setFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return chosen; });
        page.loadButton()->click();
        page.edidWriteButton()->click();
        chosen = shortFile;
        page.loadButton()->click();
        page.edidWriteButton()->click();
        const Lines sent = QueuedCommands_Take();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(1), uploadLine(EdidSample(0).left(128)));
        QVERIFY(sent.at(1).endsWith(QByteArray(" 00").repeated(128) + '\r'));
    }

    void upload_replyShowsSuccess()
    {
        Ui_System page;
        PageReplies replies(page);
        ModalBoxDriver boxes;
        replies.line("EDID-USER OK");
        QCOMPARE(boxes.texts(), QStringList {"EDID Write Success."});
        QCOMPARE(replies.messages(), QStringList());
    }

    void upload_refusalIsNoSuccess()
    {
        Ui_System page;
        PageReplies replies(page);
        ModalBoxDriver boxes;
        replies.line("EDID-USER ERR");
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(replies.messages(),
                 QStringList {"Unable to communicate with device!Error Code:EDID-USER ERR"});
    }

    void network_write_valid()
    {
        Ui_System page;
        const QStringList values {"127.0.0.1", "080", "255.0.0.0", "127.0.0.254"};
        for (int i = 0; i < 4; ++i)
            page.networkEdit(i)->setText(values.at(i));
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.networkWriteButton()->click();
        QCOMPARE(QueuedCommands_Take(),
                 Lines {"SET NETWORK-INFO 127.0.0.1 080 255.0.0.0 127.0.0.254\r"});
        QCOMPARE(emitted.count(), 1);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), 1);
        QVERIFY(LinkSettings_AnswerIsWrite(LinkSettingsItem::Network));
    }

    void network_write_refused_data()
    {
        QTest::addColumn<QStringList>("values");
        const QString ip = "127.0.0.1", port = "5000", mask = "255.0.0.0", gw = "127.0.0.254";
        QTest::newRow("port 65535") << QStringList {ip, "65535", mask, gw};
        QTest::newRow("port 0") << QStringList {ip, "0", mask, gw};
        QTest::newRow("port empty") << QStringList {ip, "", mask, gw};
        QTest::newRow("port six digits") << QStringList {ip, "000080", mask, gw};
        QTest::newRow("port letter") << QStringList {ip, "80a", mask, gw};
        QTest::newRow("port negative") << QStringList {ip, "-1", mask, gw};
        QTest::newRow("ip two dots") << QStringList {"127.0.1", port, mask, gw};
        QTest::newRow("ip four dots") << QStringList {"127.0.0.1.1", port, mask, gw};
        QTest::newRow("ip part 256") << QStringList {"127.0.0.256", port, mask, gw};
        QTest::newRow("ip letter") << QStringList {"127.0.0.a", port, mask, gw};
        QTest::newRow("ip empty") << QStringList {"", port, mask, gw};
        QTest::newRow("ip blank inside") << QStringList {"127.0. 0.1", port, mask, gw};
        QTest::newRow("mask bad") << QStringList {ip, port, "255.0.0", gw};
        QTest::newRow("gateway bad") << QStringList {ip, port, mask, "127.0.0.999"};
        QTest::newRow("gateway empty") << QStringList {ip, port, mask, ""};
        QTest::newRow("long text") << QStringList {QString(5000, '1'), port, mask, gw};
    }
    void network_write_refused()
    {
        QFETCH(QStringList, values);
        Ui_System page;
        for (int i = 0; i < 4; ++i)
            page.networkEdit(i)->setText(values.at(i));
        ModalBoxDriver boxes;
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.networkWriteButton()->click();
        QCOMPARE(boxes.texts(), QStringList {SMSG_Network_Param_Fail});
        QCOMPARE(QueuedCommands_Take(), Lines {});
        QCOMPARE(emitted.count(), 0);
        QCOMPARE(LinkSettings_Outstanding(LinkSettingsItem::Network), 0);
    }

    void settings_readAndWrite_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<bool>("queryOnly");
        QTest::newRow("network read")
            << "System-NetworkRead" << Lines {"GET NETWORK-INFO\r"} << true;
        QTest::newRow("rs232 read") << "System-RS232Read" << Lines {"GET BAUDRATE\r"} << true;
        QTest::newRow("rs232 write")
            << "System-RS232Write" << Lines {"SET BAUDRATE 38400\r"} << false;
    }
    void settings_readAndWrite()
    {
        QFETCH(QString, button);
        QFETCH(Lines, lines);
        QFETCH(bool, queryOnly);
        Ui_System page;
        page.baudCombo()->setCurrentIndex(2);
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.findChild<QPushButton *>(button)->click();
        QCOMPARE(QueuedCommands_Take(), lines);
        QCOMPARE(emitted.count(), 1);
        const LinkSettingsItem item = lines.at(0).contains("NETWORK") ? LinkSettingsItem::Network
                                                                      : LinkSettingsItem::BaudRate;
        QCOMPARE(LinkSettings_Outstanding(item), 1);
        QCOMPARE(LinkSettings_AnswerIsWrite(item), !queryOnly);
    }

    void readAll_perLink_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<int>("emits");
        QTest::newRow("tcp") << int(LinkModeTcp)
                             << Lines {"GET IN EDIDMODE\r", "GET NETWORK-INFO\r"} << 2;
        QTest::newRow("serial") << int(LinkModeSerial)
                                << Lines {"GET IN EDIDMODE\r", "GET BAUDRATE\r"} << 2;
    }
    void readAll_perLink()
    {
        QFETCH(int, mode);
        QFETCH(Lines, lines);
        QFETCH(int, emits);
        QueuedCommands_Start(mode);
        Ui_System page;
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.PressReadAll();
        QCOMPARE(QueuedCommands_Take(), lines);
        QCOMPARE(emitted.count(), emits);
        const LinkSettingsItem item
            = mode == LinkModeTcp ? LinkSettingsItem::Network : LinkSettingsItem::BaudRate;
        QCOMPARE(LinkSettings_Outstanding(item), 1);
        QVERIFY(!LinkSettings_AnswerIsWrite(item));
    }

    void reconnectNotice_afterWriteNotAfterRead_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("notice");
        const QByteArray net = "NETWORK-INFO 127.0.0.2 6001 255.255.0.0 127.0.0.3";
        QTest::newRow("network read") << "System-NetworkRead" << net << false;
        QTest::newRow("network write") << "System-NetworkWrite" << net << true;
        QTest::newRow("baud read") << "System-RS232Read" << QByteArray("BAUDRATE 57600") << false;
        QTest::newRow("baud write") << "System-RS232Write" << QByteArray("BAUDRATE 57600") << true;
        QTest::newRow("read all") << "System-ReadAll" << net << false;
    }
    void reconnectNotice_afterWriteNotAfterRead()
    {
        QFETCH(QString, request);
        QFETCH(QByteArray, reply);
        QFETCH(bool, notice);
        Ui_System page;
        PageReplies replies(page);
        const QStringList values {"127.0.0.1", "5000", "255.0.0.0", "127.0.0.254"};
        for (int i = 0; i < 4; ++i)
            page.networkEdit(i)->setText(values.at(i));
        page.findChild<QPushButton *>(request)->click();
        QCOMPARE(QueuedCommands_Take().isEmpty(), false);

        ModalBoxDriver boxes;
        QSignalSpy synced(&page, &Ui_System::SGL_SyncSerialPortNetworkInfo);
        replies.line(reply);
        QCOMPARE(boxes.texts(), notice ? QStringList {ReconnectNotice} : QStringList {});
        QCOMPARE(synced.count(), 1);
        if (reply.startsWith("NETWORK")) {
            QCOMPARE(SP_RemoteIp, QStringLiteral("127.0.0.2"));
            QCOMPARE(SP_RemotePort, QStringLiteral("6001"));
            QCOMPARE(SP_RemoteSubmask, QStringLiteral("255.255.0.0"));
            QCOMPARE(SP_RemoteGateway, QStringLiteral("127.0.0.3"));
        } else {
            QCOMPARE(SP_BaudRate, QStringLiteral("57600"));
        }
    }

    // A baud rate the panel does not offer, or network values the operator could not have
    // typed, are dropped: no setting changes, no reconnect notice, no resync. After a network
    // write the operator is told that the device's answer could not be read.
    void unusableLinkSettingsReply_changesNothing_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList unreadable {QStringLiteral(
            "The device's answer to the network settings could not be read. Press Read to see "
            "the settings the device now holds.")};
        QTest::newRow("baud 1234") << QByteArray("BAUDRATE 1234") << none;
        QTest::newRow("baud 0") << QByteArray("BAUDRATE 0") << none;
        QTest::newRow("baud text") << QByteArray("BAUDRATE fast") << none;
        QTest::newRow("baud negative") << QByteArray("BAUDRATE -9600") << none;
        QTest::newRow("network, no value") << QByteArray("NETWORK-INFO") << unreadable;
        QTest::newRow("network, three fields")
            << QByteArray("NETWORK-INFO 127.0.0.2 6001 255.0.0.0") << unreadable;
        QTest::newRow("network, port 0")
            << QByteArray("NETWORK-INFO 127.0.0.2 0 255.0.0.0 127.0.0.1") << unreadable;
        QTest::newRow("network, bad address")
            << QByteArray("NETWORK-INFO 127.0.0.300 6001 255.0.0.0 127.0.0.1") << unreadable;
        QTest::newRow("network, letters")
            << QByteArray("NETWORK-INFO host 6001 255.0.0.0 127.0.0.1") << unreadable;
    }
    void unusableLinkSettingsReply_changesNothing()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, messages);
        Ui_System page;
        PageReplies replies(page);
        SP_BaudRate = QStringLiteral("19200");
        const QStringList before {SP_RemoteIp, SP_RemotePort, SP_RemoteSubmask, SP_RemoteGateway};
        // The answers come to writes.
        LinkSettings_Requested(LinkSettingsItem::Network, true);
        LinkSettings_Requested(LinkSettingsItem::BaudRate, true);
        ModalBoxDriver boxes;
        QSignalSpy synced(&page, &Ui_System::SGL_SyncSerialPortNetworkInfo);
        replies.line(reply);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(replies.messages(), messages);
        QCOMPARE(synced.count(), 0);
        QCOMPARE(SP_BaudRate, QStringLiteral("19200"));
        QCOMPARE((QStringList {SP_RemoteIp, SP_RemotePort, SP_RemoteSubmask, SP_RemoteGateway}),
                 before);
    }

    void model_networkGroupAndSeparator_data()
    {
        ModelRows({true, false, true, true, false}); // Corvo and Brimo have no network port
    }
    void model_networkGroupAndSeparator()
    {
        QFETCH(int, model);
        QFETCH(bool, shown);
        const bool network = shown;
        Ui_System page;
        Identify(quint8(model));
        page.ApplyModel();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(page.networkLabel(i)->isVisibleTo(&page), network);
            QCOMPARE(page.networkEdit(i)->isVisibleTo(&page), network);
        }
        QCOMPARE(page.networkReadButton()->isVisibleTo(&page), network);
        QCOMPARE(page.networkWriteButton()->isVisibleTo(&page), network);
        QVERIFY(page.baudCombo()->isVisibleTo(&page));

        QFrame *line = page.findChild<QFrame *>("Communication_CutLine");
        QVERIFY(line);
        QCOMPARE(line->frameShape(), QFrame::VLine);
        QCOMPARE(line->frameShadow(), QFrame::Sunken);
        QCOMPARE(line->width(), 2);
        QCOMPARE(line->height(), line->parentWidget()->height());
        QCOMPARE(line->parentWidget()->size(), QSize(742, 154));
        QCOMPARE(line->x() + line->width() / 2, line->parentWidget()->width() / 2);
    }

    void refreshTexts_showsSettingsAndKeepsIndexes()
    {
        SP_BaudRate = QStringLiteral("57600");
        SP_RemoteIp = QStringLiteral("127.0.0.9");
        SP_RemotePort = QStringLiteral("4001");
        SP_RemoteSubmask = QStringLiteral("255.0.0.0");
        SP_RemoteGateway = QStringLiteral("127.0.0.1");
        Identify(2);
        Ui_System page;
        QCOMPARE(page.baudCombo()->currentText(), QStringLiteral("57600"));
        QCOMPARE(page.networkEdit(0)->text(), QStringLiteral("127.0.0.9"));
        QCOMPARE(page.networkEdit(3)->text(), QStringLiteral("127.0.0.1"));

        page.systemSetEdidSelection(5);
        Choose(page.firmwareCombo(), 3);
        QueuedCommands_Take();
        page.systemSetVersionText("K1");
        SP_BaudRate = QStringLiteral("300"); // not offered: the selection stays
        SP_RemotePort = QStringLiteral("4002");
        ScomboBox_FirmwareVersion[3] = QStringLiteral("Tastatur");
        Slabel_EdidSelect = QStringLiteral("EDID-Wahl:");
        QSignalSpy emitted(&page, &Ui_System::SGL_UpdateEmit);
        page.RefreshTexts(false, true);
        QCOMPARE(page.edidCombo()->currentIndex(), 5);
        QCOMPARE(page.firmwareCombo()->currentIndex(), 3);
        QCOMPARE(page.firmwareCombo()->currentText(), QStringLiteral("Tastatur"));
        QCOMPARE(page.versionEdit()->text(), QStringLiteral("K1")); // only `first` clears
        QCOMPARE(page.baudCombo()->currentText(), QStringLiteral("57600"));
        QCOMPARE(page.networkEdit(1)->text(), QStringLiteral("4002"));
        QCOMPARE(page.findChild<QLabel *>()->text(), QStringLiteral("EDID-Wahl:"));
        QCOMPARE(QueuedCommands_Take(), (Lines {"GET IN EDIDMODE\r", "GET NETWORK-INFO\r"}));
        QVERIFY(emitted.count() >= 1);

        // The renamed firmware entry still asks for the keyboard version.
        Choose(page.firmwareCombo(), 3);
        QCOMPARE(QueuedCommands_Take(), Lines {"GET KEYBOARD-VERSION\r"});
    }
};

QTEST_MAIN(TestSystemPage)
#include "tst_system_page.moc"
