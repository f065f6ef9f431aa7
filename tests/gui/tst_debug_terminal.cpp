// Debug terminal: raw bytes on the active link for what the operator typed (and only that),
// echoes kept apart from the pending input, the pane limits, the formats, the window; Enter
// and Shift+Enter, line ends, hex input, history, completion, snippets; the wire view's pairs,
// the saved and logged wire, find and copy; nothing rendered while closed.
#include "app/config_values.h"
#include "link/debug_wire.h"
#include "link/link_context.h"
#include "link/wire_log.h"
#include "link/wire_log_file.h"
#include "support/test_runtime.h"
#include "ui/frame_geometry.h"
#include "ui/ui_debug.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {
// The raw commands waiting on a link's send queue, and their attributes being all zero.
QList<QByteArray> queued(LinkContext &context, bool *plain = nullptr)
{
    QList<QByteArray> out;
    bool allPlain = true;
    std::lock_guard<std::mutex> locker(context.sendLock);
    for (CommandNode *node = context.sendQueue.sentinel->next; node != context.sendQueue.sentinel;
         node = node->next) {
        out << QByteArray(node->data, node->length);
        const CommandAttributes zero {};
        allPlain = allPlain && std::memcmp(node->attributes, &zero, sizeof zero) == 0;
    }
    if (plain)
        *plain = allPlain;
    return out;
}

void clearQueue(LinkContext &context)
{
    std::lock_guard<std::mutex> locker(context.sendLock);
    while (!context.sendQueue.isEmpty())
        Queue_PopFront(&context.sendQueue);
}

// Types text as the operator does: each LF is Shift+Return (Return alone sends).
void type(QTextEdit *pane, const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(pane, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(pane, lines.at(i));
    }
}

// Shown and rendered, as an operator sees it.
void showNow(Ui_Debug &d)
{
    d.show();
    d.RenderNow();
}

// 2026-12-09 10:11:12.345 local time, plus ms.
qint64 at(int ms)
{
    return QDateTime(QDate(2026, 12, 9), QTime(10, 11, 12, 345)).toMSecsSinceEpoch() + ms;
}

// A short session on the wire: a pair, a time-out with its late reply, an unsolicited line.
void feedSession(WireLog &log)
{
    log.recordSent(1, "GET MODEL TYPE\r", at(0));
    log.recordMatched(1, 6800);
    log.recordReceived("MODEL TYPE Corvo\r", 1, at(7));
    log.recordSent(2, "GET AUDIO VOL\r", at(10));
    log.recordTimedOut(2, at(1010));
    log.recordReceived("AUDIO VOL 60\r", 2, at(1050));
    log.recordReceived("MAXMODE 4\r", 0, at(1100));
}
} // namespace

class TestDebugTerminal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_rt = std::make_unique<TestRuntime>();
        Queue_Reset(TcpLinkContext);
        Queue_Reset(SerialLinkContext);
        clearQueue(TcpLinkContext);
        clearQueue(SerialLinkContext);
        LinkMode = LinkModeTcp;
    }
    void cleanup()
    {
        LinkMode = LinkModeNone;
        m_rt.reset();
    }

    void wireBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("consumed");
        QTest::newRow("two lines") << "A\nB" << 4096 << QByteArray("A\r\nB\r\n") << 3;
        QTest::newRow("trailing LF") << "GET MODEL TYPE\n"
                                     << 4096 << QByteArray("GET MODEL TYPE\r\n") << 15;
        QTest::newRow("empty lines") << "\n\n" << 4096 << QByteArray("\r\n\r\n") << 2;
        QTest::newRow("line end added") << "X" << 4096 << QByteArray("X\r\n") << 1;
        QTest::newRow("one line end, not two")
            << "GET AUDIO VOL" << 4096 << QByteArray("GET AUDIO VOL\r\n") << 13;
        QTest::newRow("only a line break") << "\n" << 4096 << QByteArray("\r\n") << 1;
        QTest::newRow("trailing space kept") << "A " << 4096 << QByteArray("A \r\n") << 2;
        QTest::newRow("two-byte UTF-8")
            << QString::fromUtf8("é") << 4096 << QByteArray("\xc3\xa9\r\n") << 1;
        QTest::newRow("CJK") << QString::fromUtf8("中") << 4096 << QByteArray("\xe4\xb8\xad\r\n")
                             << 1;
        QTest::newRow("surrogate pair")
            << QString::fromUtf8("😀") << 4096 << QByteArray("\xf0\x9f\x98\x80\r\n") << 2;
        QTest::newRow("limit cuts before a character")
            << QString::fromUtf8("ab😀") << 5 << QByteArray("ab") << 2;
        QTest::newRow("limit never tears CR LF") << "abc\nd" << 4 << QByteArray("abc") << 3;
        QTest::newRow("limit exact with line end") << "abcd" << 6 << QByteArray("abcd\r\n") << 4;
        QTest::newRow("no room for the line end: last character waits")
            << "abcd" << 4 << QByteArray("abc") << 3;
        QTest::newRow("no room: surrogate pair waits whole")
            << QString::fromUtf8("a😀") << 6 << QByteArray("a") << 1;
        QTest::newRow("cut piece gets no line end") << "abcdef" << 4 << QByteArray("abcd") << 4;
        QTest::newRow("empty") << "" << 4096 << QByteArray() << 0;
        QTest::newRow("lone high surrogate")
            << QString(QChar(0xd83d)) + "a" << 4096 << QString(QChar(0xd83d)).toUtf8() + "a\r\n"
            << 2;
    }
    void wireBytes()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QByteArray, bytes);
        QFETCH(int, consumed);
        const DebugWire wire = Debug_WireBytes(text, limit);
        QCOMPARE(wire.bytes, bytes);
        QCOMPARE(wire.consumed, consumed);
        QVERIFY(wire.bytes.size() <= limit);
    }

    void send_twoLinesQueueRawBytes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("tcp") << int(LinkModeTcp);
        QTest::newRow("serial") << int(LinkModeSerial);
    }
    void send_twoLinesQueueRawBytes()
    {
        QFETCH(int, mode);
        LinkMode = mode;
        Ui_Debug d;
        QSignalSpy emitted(&d, &Ui_Debug::SGL_UpdateEmit);
        type(d.sendPane(), QStringLiteral("A\nB"));
        d.sendButton()->click();
        LinkContext &active = mode == LinkModeTcp ? TcpLinkContext : SerialLinkContext;
        LinkContext &other = mode == LinkModeTcp ? SerialLinkContext : TcpLinkContext;
        bool plain = false;
        QCOMPARE(queued(active, &plain), QList<QByteArray> {"A\r\nB\r\n"});
        QVERIFY(plain); // no attributes: no reply awaited, no pause
        QCOMPARE(queued(other), QList<QByteArray>());
        QCOMPARE(emitted.size(), 1);
    }

    void send_transmitsOnlyWhatWasTypedSinceLastSend()
    {
        Ui_Debug d;
        showNow(d);
        d.SLT_Sync_Show_Send(QStringLiteral("GET MODEL TYPE\r"));
        type(d.sendPane(), QStringLiteral("SET RESET\n"));
        d.sendButton()->click();
        d.SLT_Sync_Show_Send(QStringLiteral("SET RESET\r\n"));
        d.SLT_Sync_Show_Send(QStringLiteral("GET OUT HDCP\r"));
        type(d.sendPane(), QStringLiteral("GET AUDIO VOL"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray>({"SET RESET\r\n", "GET AUDIO VOL\r\n"}));
        // What was sent shows once, as its echo, in the order the link wrote it.
        d.RenderNow();
        QCOMPARE(d.sendPane()->toPlainText(),
                 QStringLiteral("GET MODEL TYPE\nSET RESET\nGET OUT HDCP\n"));
        QCOMPARE(d.PendingInput(), QString());

        // Nothing typed since: Send sends nothing and does not ask the link to send.
        QSignalSpy emitted(&d, &Ui_Debug::SGL_UpdateEmit);
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext).size(), 2);
        QCOMPARE(emitted.size(), 0);
    }

    void echo_whileTyping_goesAboveThePendingInput()
    {
        Ui_Debug d;
        showNow(d);
        type(d.sendPane(), QStringLiteral("GET OUT"));
        d.SLT_Sync_Show_Send(QStringLiteral("GET MODEL TYPE\r"));
        d.SLT_Sync_Show_Send(QStringLiteral("A\r\nB")); // a raw echo without a line end
        d.RenderNow();
        type(d.sendPane(), QStringLiteral(" HDCP"));
        QCOMPARE(d.sendPane()->toPlainText(),
                 QStringLiteral("GET MODEL TYPE\nA<CR><LF>B\nGET OUT HDCP"));
        QCOMPARE(d.PendingInput(), QStringLiteral("GET OUT HDCP"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"GET OUT HDCP\r\n"});
    }

    void typing_withCaretInHistory_goesToThePendingInput()
    {
        Ui_Debug d;
        showNow(d);
        d.SLT_Sync_Show_Send(QStringLiteral("GET MODEL TYPE\r"));
        d.RenderNow();
        QTextCursor caret = d.sendPane()->textCursor();
        caret.setPosition(3);
        d.sendPane()->setTextCursor(caret);
        type(d.sendPane(), QStringLiteral("X"));
        // A Backspace at the start of the input would join it to the history: swallowed.
        QTest::keyClick(d.sendPane(), Qt::Key_Backspace);
        QTest::keyClick(d.sendPane(), Qt::Key_Backspace);
        type(d.sendPane(), QStringLiteral("Y"));
        QCOMPARE(d.sendPane()->toPlainText(), QStringLiteral("GET MODEL TYPE\nY"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"Y\r\n"});
    }

    void send_withoutLink_keepsTheInput()
    {
        LinkMode = LinkModeNone;
        Ui_Debug d;
        type(d.sendPane(), QStringLiteral("GET MODEL TYPE"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray>());
        QCOMPARE(queued(SerialLinkContext), QList<QByteArray>());
        QCOMPARE(d.PendingInput(), QStringLiteral("GET MODEL TYPE"));
        QCOMPARE(d.messageLabel()->text(), QStringLiteral("Not sent: no link is open."));
        LinkMode = LinkModeSerial;
        d.sendButton()->click();
        QCOMPARE(queued(SerialLinkContext), QList<QByteArray> {"GET MODEL TYPE\r\n"});
    }

    void send_longInputGoesOutInBoundedPieces()
    {
        Ui_Debug d;
        const QString text = QString(DebugSendLimit + 100, QLatin1Char('x'));
        d.sendPane()->insertPlainText(text);
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext).value(0).size(), DebugSendLimit);
        QCOMPARE(d.PendingInput(), QString(100, QLatin1Char('x')));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext).value(1), QByteArray(100, 'x') + "\r\n");
        QCOMPARE(d.PendingInput(), QString());
    }

    void send_unicodeIsUtf8()
    {
        Ui_Debug d;
        d.sendPane()->insertPlainText(QString::fromUtf8("名称 é😀"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {QByteArray("名称 é😀\r\n")});
    }

    void panes_keepTheLast200Lines()
    {
        Ui_Debug d;
        showNow(d);
        for (int i = 0; i < 300; ++i) {
            d.SLT_Sync_Show_Recv(QStringLiteral("OUT HDCP %1\r").arg(i));
            d.SLT_Sync_Show_Send(QStringLiteral("GET OUT HDCP %1\r").arg(i));
        }
        d.RenderNow();
        QTextDocument *recv = d.recvPane()->document();
        QTextDocument *send = d.sendPane()->document();
        QVERIFY(recv->blockCount() <= DebugPaneMaxBlocks);
        QVERIFY(send->blockCount() <= DebugPaneMaxBlocks);
        QCOMPARE(recv->lastBlock().previous().text(), QStringLiteral("OUT HDCP 299"));
        QCOMPARE(recv->findBlockByNumber(0).text(),
                 QStringLiteral("OUT HDCP %1").arg(300 - DebugPaneMaxBlocks + 1));
        // The input still starts after the last echo and is sent alone.
        type(d.sendPane(), QStringLiteral("Z"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"Z\r\n"});
        QCOMPARE(send->lastBlock().previous().text(), QStringLiteral("GET OUT HDCP 299"));
        QCOMPARE(d.PendingInput(), QString());

        d.recvClearButton()->click();
        d.sendClearButton()->click();
        QCOMPARE(d.recvPane()->toPlainText(), QString());
        QCOMPARE(d.sendPane()->toPlainText(), QString());
        type(d.sendPane(), QStringLiteral("W"));
        QCOMPARE(d.PendingInput(), QStringLiteral("W"));
        for (int i = 0; i < 300; ++i)
            d.SLT_Sync_Show_Recv(QStringLiteral("L%1\r").arg(i));
        d.RenderNow();
        QVERIFY(recv->blockCount() <= DebugPaneMaxBlocks);
    }

    void receive_showsTextAsIs()
    {
        Ui_Debug d;
        showNow(d);
        d.SLT_Sync_Show_Recv(QStringLiteral("MODEL TYPE Halden\r"));
        d.SLT_Sync_Show_Recv(QStringLiteral("OUT HDCP "));
        d.SLT_Sync_Show_Recv(QStringLiteral("FORCE-2.2\r"));
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(),
                 QStringLiteral("MODEL TYPE Halden\nOUT HDCP FORCE-2.2\n"));
        QVERIFY(d.recvPane()->isReadOnly());
        QVERIFY(!d.sendPane()->isReadOnly());
    }

    void formatButtons_captionsAndHexPanes()
    {
        Ui_Debug d;
        showNow(d);
        QCOMPARE(d.recvLabel()->text(), QStringLiteral("Recv:ASCII FORMAT"));
        QCOMPARE(d.sendLabel()->text(), QStringLiteral("Send:ASCII FORMAT"));
        QVERIFY(d.hexButton()->isEnabled());
        QVERIFY(!d.asciiButton()->isEnabled());
        d.SLT_Sync_Show_Recv(QStringLiteral("AUDIO VOL 60\r"));
        d.SLT_Sync_Show_Send(QStringLiteral("GET AUDIO VOL\r"));
        type(d.sendPane(), QStringLiteral("GET"));

        d.hexButton()->click();
        d.RenderNow();
        QCOMPARE(d.recvLabel()->text(), QStringLiteral("Recv:HEX FORMAT"));
        QCOMPARE(d.sendLabel()->text(), QStringLiteral("Send:HEX FORMAT"));
        QVERIFY(!d.hexButton()->isEnabled());
        QVERIFY(d.asciiButton()->isEnabled());
        QCOMPARE(d.recvPane()->toPlainText(),
                 QStringLiteral("41 55 44 49 4F 20 56 4F 4C 20 36 30 0D\n"));
        QCOMPARE(d.sendPane()->toPlainText(),
                 QStringLiteral("47 45 54 20 41 55 44 49 4F 20 56 4F 4C 0D\nGET"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"GET\r\n"}); // text input as typed

        d.asciiButton()->click();
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(), QStringLiteral("AUDIO VOL 60\n"));
        QCOMPARE(d.sendPane()->toPlainText(), QStringLiteral("GET AUDIO VOL\n"));
        QCOMPARE(d.recvLabel()->text(), QStringLiteral("Recv:ASCII FORMAT"));
        QVERIFY(d.hexButton()->isEnabled());
        QVERIFY(!d.asciiButton()->isEnabled());
    }

    void window_titleSizeAndPosition()
    {
        Ui_Debug d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Debug"));
        QVERIFY(d.isWindow());
        QCOMPARE(d.parent(), nullptr);
        const QSize screen = Frame_PrimaryScreenSize();
        const QSize expected(screen.width() >= 1920 ? 640 : screen.width() / 3,
                             screen.height() >= 1080 ? 540 : screen.height() / 2);
        QCOMPARE(d.size(), expected);
        QCOMPARE(d.pos(), Frame_CentredPosition(screen, expected));
        QCOMPARE(d.recvPane()->lineWrapMode(), QTextEdit::NoWrap);
        QCOMPARE(d.sendPane()->lineWrapMode(), QTextEdit::NoWrap);
        d.SLT_SETUP_UI_DEBUG();
        QVERIFY(d.isVisible());
        d.SLT_CLOSE_UI_DEBUG();
        QVERIFY(!d.isVisible());
    }

    void receive_controlBytesVisibleAndHex_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("ascii");
        QTest::addColumn<QString>("hex");
        QTest::newRow("line end CR LF") << QByteArray("OK\r\n") << "OK\n"
                                        << "4F 4B 0D 0A\n";
        QTest::newRow("NUL and ESC") << QByteArray("A\0\x1b"
                                                   "B\r",
                                                   5)
                                     << "A<NUL><ESC>B\n"
                                     << "41 00 1B 42 0D\n";
        QTest::newRow("binary, no line end") << QByteArray("\xff\xfe\x01", 3) << "<0xFF><0xFE><SOH>"
                                             << "FF FE 01 ";
        QTest::newRow("invalid UTF-8 among text") << QByteArray("V\xc3(\r") << "V<0xC3>(\n"
                                                  << "56 C3 28 0D\n";
        QTest::newRow("valid UTF-8")
            << QByteArray("名\r") << QString::fromUtf8("名\n") << "E5 90 8D 0D\n";
    }
    void receive_controlBytesVisibleAndHex()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, ascii);
        QFETCH(QString, hex);
        Ui_Debug d;
        showNow(d);
        d.ShowReceived(line);
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(), ascii);
        d.hexButton()->click();
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(), hex);
    }

    void receive_longLineWhole()
    {
        Ui_Debug d;
        showNow(d);
        d.ShowReceived(QByteArray(1022, 'Q') + '\r');
        d.RenderNow();
        QCOMPARE(d.recvPane()->document()->firstBlock().text(), QString(1022, QLatin1Char('Q')));
    }

    void time_prefixesEachLine()
    {
        Ui_Debug d;
        showNow(d);
        d.ShowReceived("OUT HDCP FORCE-2.2\r");
        d.timeBox()->setChecked(true);
        d.RenderNow();
        const QString text = d.recvPane()->toPlainText();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d OUT HDCP "
                                                   "FORCE-2\\.2\\n$"))
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
        d.timeBox()->setChecked(false);
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(), QStringLiteral("OUT HDCP FORCE-2.2\n"));
    }

    void enterSends_shiftEnterBreaksTheLine()
    {
        Ui_Debug d;
        QSignalSpy emitted(&d, &Ui_Debug::SGL_UpdateEmit);
        QTest::keyClicks(d.sendPane(), QStringLiteral("A"));
        QTest::keyClick(d.sendPane(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(d.sendPane(), QStringLiteral("B"));
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray>());
        QCOMPARE(d.PendingInput(), QStringLiteral("A\nB"));
        QTest::keyClick(d.sendPane(), Qt::Key_Return);
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"A\r\nB\r\n"});
        QCOMPARE(emitted.size(), 1);
        QCOMPARE(d.PendingInput(), QString());
        QTest::keyClicks(d.sendPane(), QStringLiteral("C"));
        QTest::keyClick(d.sendPane(), Qt::Key_Enter, Qt::KeypadModifier); // keypad Enter too
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray>({"A\r\nB\r\n", "C\r\n"}));
    }

    void lineEnding_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << 0 << "A\nB" << QByteArray("A\r\nB\r\n");
        QTest::newRow("CR") << 1 << "A\nB" << QByteArray("A\rB\r");
        QTest::newRow("LF") << 2 << "A\nB" << QByteArray("A\nB\n");
        QTest::newRow("none") << 3 << "GET OUT HDCP" << QByteArray("GET OUT HDCP");
        QTest::newRow("none keeps inner breaks whole") << 3 << "A\nB" << QByteArray("A\r\nB");
        QTest::newRow("CR, typed break at the end") << 1 << "X\n" << QByteArray("X\r");
    }
    void lineEnding()
    {
        QFETCH(int, choice);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        {
            Ui_Debug d;
            d.lineEndBox()->setCurrentIndex(choice);
            emit d.lineEndBox()->activated(choice);
            type(d.sendPane(), text);
            QTest::keyClick(d.sendPane(), Qt::Key_Return);
            QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {bytes});
        }
        Ui_Debug again; // the choice is remembered
        QCOMPARE(again.lineEndBox()->currentIndex(), choice);
    }

    void hexInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("pairs") << "47 45 54 0D" << QByteArray("GET\r") << "";
        QTest::newRow("NUL and high bytes")
            << "00 ff 80 0a" << QByteArray("\x00\xff\x80\x0a", 4) << "";
        QTest::newRow("odd digits") << "47 4" << QByteArray()
                                    << "Not sent: the hex digit at character 4 has no partner "
                                       "(bytes are two digits).";
        QTest::newRow("not hex") << "47 4Z" << QByteArray()
                                 << "Not sent: character 5 is not a hex digit.";
        QTest::newRow("more than one send takes")
            << QString(2 * 4097, QLatin1Char('a')) << QByteArray()
            << "Not sent: more than 4096 bytes; send them in parts.";
    }
    void hexInput()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Ui_Debug d;
        d.hexInputBox()->setChecked(true);
        d.sendPane()->insertPlainText(text);
        QTest::keyClick(d.sendPane(), Qt::Key_Return);
        QCOMPARE(queued(TcpLinkContext),
                 bytes.isEmpty() ? QList<QByteArray>() : QList<QByteArray> {bytes});
        QCOMPARE(d.messageLabel()->text(), message);
        // A refused input stays for mending, the culprit selected.
        QCOMPARE(d.PendingInput(), bytes.isEmpty() ? text : QString());
        if (message.contains(QLatin1String("character")))
            QCOMPARE(d.sendPane()->textCursor().selectedText().size(), 1);
    }

    void history_upAndDown()
    {
        Ui_Debug d;
        for (const char *command : {"GET OUT HDCP", "GET AUDIO VOL", "GET MODEL TYPE"}) {
            QTest::keyClicks(d.sendPane(), QString::fromLatin1(command));
            QTest::keyClick(d.sendPane(), Qt::Key_Return);
        }
        QTest::keyClicks(d.sendPane(), QStringLiteral("draft"));
        QTest::keyClick(d.sendPane(), Qt::Key_Up);
        QCOMPARE(d.PendingInput(), QStringLiteral("GET MODEL TYPE"));
        QTest::keyClick(d.sendPane(), Qt::Key_Up);
        QTest::keyClick(d.sendPane(), Qt::Key_Up);
        QTest::keyClick(d.sendPane(), Qt::Key_Up); // no further back
        QCOMPARE(d.PendingInput(), QStringLiteral("GET OUT HDCP"));
        QTest::keyClick(d.sendPane(), Qt::Key_Down);
        QCOMPARE(d.PendingInput(), QStringLiteral("GET AUDIO VOL"));
        QTest::keyClick(d.sendPane(), Qt::Key_Return);
        QCOMPARE(queued(TcpLinkContext).last(), QByteArray("GET AUDIO VOL\r\n"));
        QTest::keyClick(d.sendPane(), Qt::Key_Up);
        QCOMPARE(d.PendingInput(), QStringLiteral("GET AUDIO VOL"));
        QTest::keyClick(d.sendPane(), Qt::Key_Down);
        QCOMPARE(d.PendingInput(), QString()); // back to the (empty) draft
    }

    void completion_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("completed");
        QTest::newRow("unique") << "get model"
                                << "GET MODEL TYPE ";
        QTest::newRow("common part") << "GET OUT H"
                                     << "GET OUT HDCP ";
        QTest::newRow("several") << "SET AUDIO"
                                 << "SET AUDIO";
        QTest::newRow("unknown") << "HELLO"
                                 << "HELLO";
    }
    void completion()
    {
        QFETCH(QString, typed);
        QFETCH(QString, completed);
        Ui_Debug d;
        QTest::keyClicks(d.sendPane(), typed);
        QTest::keyClick(d.sendPane(), Qt::Key_Tab);
        QCOMPARE(d.PendingInput(), completed);
    }

    void snippets_sendWithOneClickAndAreKept()
    {
        {
            Ui_Debug d;
            QVERIFY(d.AddSnippet(QStringLiteral("volume"), QStringLiteral("GET AUDIO VOL")));
            QVERIFY(d.AddSnippet(QStringLiteral("reset"), QStringLiteral("SET RESET")));
            QVERIFY(!d.AddSnippet(QStringLiteral("  "), QStringLiteral("X")));
            const auto buttons = d.findChildren<QPushButton *>();
            for (QPushButton *b : buttons) {
                if (b->text() == QLatin1String("volume"))
                    b->click();
            }
            QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"GET AUDIO VOL\r\n"});
            d.RemoveSnippet(QStringLiteral("reset"));
        }
        Ui_Debug again;
        QCOMPARE(again.SnippetNames(), QStringList {"volume"});
        for (int i = 0; i < DebugSnippetsMax; ++i)
            again.AddSnippet(QStringLiteral("s%1").arg(i), QStringLiteral("X"));
        QCOMPARE(again.SnippetNames().size(), DebugSnippetsMax);
    }

    void wireView_pairsTimeOutsAndUnsolicitedLines()
    {
        WireLog log;
        Ui_Debug d;
        d.SetWireLog(&log);
        showNow(d);
        d.wireButton()->click();
        QVERIFY(d.wireView()->isVisible());
        QVERIFY(!d.recvPane()->isVisible());
        feedSession(log);
        d.RenderNow();
        QCOMPARE(d.wireView()->toPlainText(),
                 QStringLiteral("10:11:12.345 -> #1 GET MODEL TYPE<CR>\n"
                                "10:11:12.352 <- #1 MODEL TYPE Corvo<CR>  [6.8 ms]\n"
                                "10:11:12.355 -> #2 GET AUDIO VOL<CR>\n"
                                "10:11:13.355 !! #2 no reply (timed out)\n"
                                "10:11:13.395 <- late reply #2 AUDIO VOL 60<CR>\n"
                                "10:11:13.445 <- unsolicited MAXMODE 4<CR>"));
        d.hexButton()->click();
        d.RenderNow();
        QCOMPARE(d.wireView()->document()->findBlockByNumber(1).text(),
                 QStringLiteral("10:11:12.352 <- #1 4D 4F 44 45 4C 20 54 59 50 45 20 43 6F 72 76 "
                                "6F 0D  [6.8 ms]"));
        // More than the view keeps between two renders: it shows the newest, scrolled to them.
        for (int i = 0; i < 1200; ++i)
            log.recordReceived("L" + QByteArray::number(i) + '\r', 0, at(2000 + i));
        d.RenderNow();
        QTextDocument *wire = d.wireView()->document();
        QCOMPARE(wire->blockCount(), 1000);
        QCOMPARE(wire->firstBlock().text(),
                 QStringLiteral("10:11:14.545 <- unsolicited 4C 32 30 30 0D"));
        QVERIFY(d.wireView()->textCursor().atEnd());
        d.recvClearButton()->click();
        QCOMPARE(d.wireView()->toPlainText(), QString());

        // The receive pane waits while the wire view has its place, and catches up after.
        d.asciiButton()->click();
        d.ShowReceived("OUT VKA BLUESCREEN\r");
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(), QString());
        d.wireButton()->click();
        d.RenderNow();
        QCOMPARE(d.recvPane()->toPlainText(), QStringLiteral("OUT VKA BLUESCREEN\n"));
    }

    void saveAndLog_shortSession()
    {
        QTemporaryDir dir;
        WireLog log;
        Ui_Debug d;
        d.SetWireLog(&log);
        const QString logPath = dir.filePath(QStringLiteral("wire.log"));
        d.StartLog(logPath);
        QVERIFY(d.logBox()->isChecked());
        feedSession(log);
        d.logFile()->waitForWritten();
        const QByteArray expected
            = "2026-12-09 10:11:12.345 -> #1 GET MODEL TYPE<CR> | 47 45 54 20 4D 4F 44 45 4C 20 "
              "54 59 50 45 0D\n"
              "2026-12-09 10:11:12.352 <- #1 MODEL TYPE Corvo<CR> | 4D 4F 44 45 4C 20 54 59 50 45 "
              "20 43 6F 72 76 6F 0D  [6.8 ms]\n"
              "2026-12-09 10:11:12.355 -> #2 GET AUDIO VOL<CR> | 47 45 54 20 41 55 44 49 4F 20 56 "
              "4F 4C 0D\n"
              "2026-12-09 10:11:13.355 !! #2 no reply (timed out)\n"
              "2026-12-09 10:11:13.395 <- late reply #2 AUDIO VOL 60<CR> | 41 55 44 49 4F 20 56 "
              "4F 4C 20 36 30 0D\n"
              "2026-12-09 10:11:13.445 <- unsolicited MAXMODE 4<CR> | 4D 41 58 4D 4F 44 45 20 34 "
              "0D\n";
        QFile logged(logPath);
        QVERIFY(logged.open(QIODevice::ReadOnly));
        QCOMPARE(logged.readAll(), expected);
        d.StopLog();
        log.recordReceived("AFTER\r", 0, at(2000)); // not logged once stopped

        const QString savePath = dir.filePath(QStringLiteral("saved.txt"));
        QVERIFY(d.SaveWireView(savePath));
        QFile saved(savePath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 expected
                     + "2026-12-09 10:11:14.345 <- unsolicited AFTER<CR> | 41 46 54 45 52 0D\n");
        logged.seek(0);
        QCOMPARE(logged.readAll(), expected);
    }

    void log_unwritable_oneMessageAndLoggingStops()
    {
        WireLog log;
        Ui_Debug d;
        d.SetWireLog(&log);
        d.StartLog(QStringLiteral("/dev/full"));
        QSignalSpy failed(d.logFile(), &WireLogFile::failed);
        feedSession(log);
        QVERIFY(failed.wait(5000));
        QVERIFY2(d.messageLabel()->text().startsWith(
                     QStringLiteral("Logging stopped: cannot write /dev/full: ")),
                 qPrintable(d.messageLabel()->text()));
        QVERIFY(!d.logBox()->isChecked());
        feedSession(log); // the panel goes on; nothing more is tried or reported
        QVERIFY(!d.logFile()->isActive());
        QCOMPARE(failed.size(), 1);
        QVERIFY(!d.SaveWireView(QStringLiteral("/nonexistent-folder/x.txt")));
        QVERIFY(d.messageLabel()->text().startsWith(
            QStringLiteral("Not saved: /nonexistent-folder/x.txt: ")));
    }

    void hidden_rendersNothingThenTheLast200()
    {
        Ui_Debug d;
        showNow(d);
        for (int i = 0; i < 50; ++i)
            d.ShowReceived(QByteArray("L") + QByteArray::number(i) + '\r');
        d.RenderNow();
        d.close(); // closed during a flood
        for (int i = 50; i < 1000; ++i) {
            d.ShowReceived(QByteArray("L") + QByteArray::number(i) + '\r');
            d.SLT_Sync_Show_Send(QStringLiteral("GET %1\r").arg(i));
        }
        QCoreApplication::processEvents();
        QCOMPARE(d.recvPane()->document()->lastBlock().previous().text(), QStringLiteral("L49"));
        QCOMPARE(d.sendPane()->toPlainText(), QString()); // nothing rendered while closed
        d.SLT_SETUP_UI_DEBUG();
        QTRY_COMPARE(d.recvPane()->document()->lastBlock().previous().text(),
                     QStringLiteral("L999"));
        QTextDocument *recv = d.recvPane()->document();
        QCOMPARE(recv->blockCount(), DebugPaneMaxBlocks);
        QCOMPARE(recv->firstBlock().text(), QStringLiteral("L801"));
        QCOMPARE(d.sendPane()->document()->firstBlock().text(), QStringLiteral("GET 801"));
        QCOMPARE(d.sendPane()->document()->lastBlock().previous().text(),
                 QStringLiteral("GET 999"));
        // A flood while open brings more than the pane keeps between two renders.
        for (int i = 1000; i < 1300; ++i)
            d.ShowReceived(QByteArray("L") + QByteArray::number(i) + '\r');
        QTRY_COMPARE(recv->lastBlock().previous().text(), QStringLiteral("L1299"));
        QCOMPARE(recv->blockCount(), DebugPaneMaxBlocks);
        QCOMPARE(recv->firstBlock().text(), QStringLiteral("L1101"));
    }

    void keys_escapeAndAltZClose_ctrlFFinds()
    {
        WireLog log;
        Ui_Debug d;
        d.SetWireLog(&log);
        for (int key : {int(Qt::Key_Escape), int(Qt::Key_Z)}) {
            d.SLT_SETUP_UI_DEBUG();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            d.sendPane()->setFocus();
            QTest::keyClick(d.sendPane(), Qt::Key(key),
                            key == Qt::Key_Z ? Qt::AltModifier : Qt::NoModifier);
            QVERIFY(!d.isVisible());
        }
        d.SLT_SETUP_UI_DEBUG();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        feedSession(log);
        QTest::keyClick(d.sendPane(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(d.findEdit()->isVisible());
        QVERIFY(d.wireView()->isVisible());
        QTest::keyClicks(d.findEdit(), QStringLiteral("maxmode"));
        QTest::keyClick(d.findEdit(), Qt::Key_Return);
        QCOMPARE(d.wireView()->textCursor().selectedText(), QStringLiteral("MAXMODE"));
        QTest::keyClicks(d.findEdit(), QStringLiteral("zzz"));
        QTest::keyClick(d.findEdit(), Qt::Key_Return);
        QCOMPARE(d.messageLabel()->text(), QStringLiteral("Not found: maxmodezzz"));
        QTest::keyClick(d.findEdit(), Qt::Key_Escape); // closes the find field only
        QVERIFY(!d.findEdit()->isVisible());
        QVERIFY(d.isVisible());
    }

    void copy_fromEveryPane()
    {
        WireLog log;
        Ui_Debug d;
        d.SetWireLog(&log);
        showNow(d);
        d.ShowReceived("OUT HDCP FORCE-2.2\r");
        d.SLT_Sync_Show_Send(QStringLiteral("GET OUT HDCP\r"));
        log.recordReceived("MAXMODE 4\r", 0, at(0));
        const QList<QPair<QWidget *, QString>> panes {
            {d.recvPane(), QStringLiteral("OUT HDCP FORCE-2.2")},
            {d.sendPane(), QStringLiteral("GET OUT HDCP")},
            {d.wireView(), QStringLiteral("10:11:12.345 <- unsolicited MAXMODE 4<CR>")}};
        for (const auto &pane : panes) {
            if (pane.first == d.wireView())
                d.wireButton()->click();
            d.RenderNow();
            QGuiApplication::clipboard()->clear();
            pane.first->setFocus();
            QTest::keyClick(pane.first, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(pane.first, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text().trimmed(), pane.second);
        }
    }

    void geometry_remembered()
    {
        {
            Ui_Debug d;
            d.show();
            d.setGeometry(40, 50, 700, 600);
            d.close();
        }
        Ui_Debug again;
        QCOMPARE(again.size(), QSize(700, 600));
        {
            Ui_Debug open; // still open when the panel ends
            open.show();
            open.setGeometry(40, 50, 720, 610);
        }
        Ui_Debug third;
        QCOMPARE(third.size(), QSize(720, 610));
    }

    void extras_followTheLanguage()
    {
        WireLog log;
        Ui_Debug d;
        d.SetWireLog(&log);
        showNow(d);
        d.wireButton()->click();
        log.recordReceived("MAXMODE 4\r", 0, at(0));
        Key_LanguageIsEnglish = QStringLiteral("0");
        d.RetranslateExtras();
        d.RenderNow();
        QCOMPARE(d.wireButton()->text(), QString::fromUtf8("收发对照"));
        QCOMPARE(d.lineEndBox()->itemText(3), QString::fromUtf8("无行尾"));
        QCOMPARE(d.wireView()->toPlainText(),
                 QString::fromUtf8("10:11:12.345 <- 主动上报 MAXMODE 4<CR>"));
        Key_LanguageIsEnglish = QStringLiteral("1");
        d.RetranslateExtras();
        QCOMPARE(d.timeBox()->text(), QStringLiteral("Time"));
    }

private:
    std::unique_ptr<TestRuntime> m_rt;
};

QTEST_MAIN(TestDebugTerminal)
#include "tst_debug_terminal.moc"
