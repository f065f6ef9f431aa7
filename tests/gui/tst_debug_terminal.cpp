// Debug terminal: raw bytes on the active link for what the operator typed (and only that),
// echoes kept apart from the pending input, the pane limits, the format captions, the window.
#include "link/debug_wire.h"
#include "link/link_context.h"
#include "support/test_runtime.h"
#include "ui/frame_geometry.h"
#include "ui/ui_debug.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

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
        allPlain = allPlain && std::memcmp(&node->attributes, &zero, sizeof zero) == 0;
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

// Types text as the operator does: each LF is the Return key.
void type(QTextEdit *pane, const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(pane, Qt::Key_Return);
        QTest::keyClicks(pane, lines.at(i));
    }
}
} // namespace

class TestDebugTerminal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Queue_Reset(TcpLinkContext);
        Queue_Reset(SerialLinkContext);
        clearQueue(TcpLinkContext);
        clearQueue(SerialLinkContext);
        LinkMode = LinkModeTcp;
    }
    void cleanup() { LinkMode = LinkModeNone; }

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
        d.SLT_Sync_Show_Send(QStringLiteral("GET MODEL TYPE\r"));
        type(d.sendPane(), QStringLiteral("SET RESET\n"));
        d.sendButton()->click();
        d.SLT_Sync_Show_Send(QStringLiteral("SET RESET\r\n"));
        d.SLT_Sync_Show_Send(QStringLiteral("GET OUT HDCP\r"));
        type(d.sendPane(), QStringLiteral("GET AUDIO VOL"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray>({"SET RESET\r\n", "GET AUDIO VOL\r\n"}));
        // Everything stays visible, in the order it happened.
        QCOMPARE(d.sendPane()->toPlainText(),
                 QStringLiteral("GET MODEL TYPE\nSET RESET\nSET RESET\nGET OUT HDCP\n"
                                "GET AUDIO VOL\n"));
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
        type(d.sendPane(), QStringLiteral("GET OUT"));
        d.SLT_Sync_Show_Send(QStringLiteral("GET MODEL TYPE\r"));
        d.SLT_Sync_Show_Send(QStringLiteral("A\r\nB")); // a raw echo without a line end
        type(d.sendPane(), QStringLiteral(" HDCP"));
        QCOMPARE(d.sendPane()->toPlainText(), QStringLiteral("GET MODEL TYPE\nA\nB\nGET OUT HDCP"));
        QCOMPARE(d.PendingInput(), QStringLiteral("GET OUT HDCP"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"GET OUT HDCP\r\n"});
    }

    void typing_withCaretInHistory_goesToThePendingInput()
    {
        Ui_Debug d;
        d.SLT_Sync_Show_Send(QStringLiteral("GET MODEL TYPE\r"));
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
        for (int i = 0; i < 300; ++i) {
            d.SLT_Sync_Show_Recv(QStringLiteral("OUT HDCP %1\r").arg(i));
            d.SLT_Sync_Show_Send(QStringLiteral("GET OUT HDCP %1\r").arg(i));
        }
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
        QCOMPARE(send->lastBlock().previous().text(), QStringLiteral("Z"));

        d.recvClearButton()->click();
        d.sendClearButton()->click();
        QCOMPARE(d.recvPane()->toPlainText(), QString());
        QCOMPARE(d.sendPane()->toPlainText(), QString());
        type(d.sendPane(), QStringLiteral("W"));
        QCOMPARE(d.PendingInput(), QStringLiteral("W"));
        for (int i = 0; i < 300; ++i)
            d.SLT_Sync_Show_Recv(QStringLiteral("L%1\r").arg(i));
        QVERIFY(recv->blockCount() <= DebugPaneMaxBlocks);
    }

    void receive_showsTextAsIs()
    {
        Ui_Debug d;
        d.SLT_Sync_Show_Recv(QStringLiteral("MODEL TYPE Halden\r"));
        d.SLT_Sync_Show_Recv(QStringLiteral("OUT HDCP "));
        d.SLT_Sync_Show_Recv(QStringLiteral("FORCE-2.2\r"));
        QCOMPARE(d.recvPane()->toPlainText(),
                 QStringLiteral("MODEL TYPE Halden\nOUT HDCP FORCE-2.2\n"));
        QVERIFY(d.recvPane()->isReadOnly());
        QVERIFY(!d.sendPane()->isReadOnly());
    }

    void formatButtons_changeOnlyCaptions()
    {
        Ui_Debug d;
        QCOMPARE(d.recvLabel()->text(), QStringLiteral("Recv:ASCII FORMAT"));
        QCOMPARE(d.sendLabel()->text(), QStringLiteral("Send:ASCII FORMAT"));
        QVERIFY(d.hexButton()->isEnabled());
        QVERIFY(!d.asciiButton()->isEnabled());
        d.SLT_Sync_Show_Recv(QStringLiteral("AUDIO VOL 60\r"));
        type(d.sendPane(), QStringLiteral("GET"));

        d.hexButton()->click();
        QCOMPARE(d.recvLabel()->text(), QStringLiteral("Recv:HEX FORMAT"));
        QCOMPARE(d.sendLabel()->text(), QStringLiteral("Send:HEX FORMAT"));
        QVERIFY(!d.hexButton()->isEnabled());
        QVERIFY(d.asciiButton()->isEnabled());
        QCOMPARE(d.recvPane()->toPlainText(), QStringLiteral("AUDIO VOL 60\n"));
        QCOMPARE(d.sendPane()->toPlainText(), QStringLiteral("GET"));
        d.sendButton()->click();
        QCOMPARE(queued(TcpLinkContext), QList<QByteArray> {"GET\r\n"}); // never converted

        d.asciiButton()->click();
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
};

QTEST_MAIN(TestDebugTerminal)
#include "tst_debug_terminal.moc"
