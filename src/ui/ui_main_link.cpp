// Main window: what comes back from the active link (received lines, sent commands, reply
// time-outs) and the reconnect after the device's link settings changed.
#include "ui/ui_main.h"

#include "app/language_texts.h"
#include "link/link_context.h"
#include "link/link_runtime.h"
#include "state/link_settings.h"
#include "state/reply_dispatcher.h"
#include "ui/message_box.h"
#include "ui/ui_uart_network.h"

#include <QByteArray>
#include <QTimer>
#include <QVector>

namespace {
LinkContext *activeContext()
{
    if (LinkMode == LinkModeTcp)
        return &TcpLinkContext;
    if (LinkMode == LinkModeSerial)
        return &SerialLinkContext;
    return nullptr;
}

// Takes up to `most` lines off the front of the receive queue, in arrival order. Returns
// false, taking nothing, when the service holds the lock: the lines then wait for the next
// signal. `more` tells whether lines are left behind.
bool takeLines(LinkContext &context, int most, QVector<QByteArray> &lines, bool &more)
{
    if (!context.recvLock.tryLock())
        return false;
    while (lines.size() < most && !context.recvQueue.isEmpty()) {
        const CommandNode *node = context.recvQueue.front();
        lines.append(QByteArray(node->data, qMax(0, node->length)));
        Queue_PopFront(&context.recvQueue);
    }
    more = !context.recvQueue.isEmpty();
    context.recvLock.unlock();
    return true;
}
} // namespace

// The lines are copied out and the lock released before any of them is dispatched: a reply
// may close the link (a wrong model) or open a message box, and the service must be able to
// take the lock meanwhile, to push further lines or to release the queue as it closes.
void Ui_Main::SLT_UnifyUpdateRecv()
{
    if (draining_) { // inside a reply's message box; the lines keep their order
        drainAgain_ = true;
        return;
    }
    LinkContext *context = activeContext();
    if (context == nullptr || drainBudget_ <= 0)
        return;
    QVector<QByteArray> lines;
    bool more = false;
    if (!takeLines(*context, drainBudget_, lines, more))
        return;
    drainBudget_ -= lines.size();
    if (more || drainBudget_ <= 0)
        scheduleDrain();

    const qint32 mode = LinkMode;
    draining_ = true;
    for (const QByteArray &line : qAsConst(lines)) {
        // An earlier line closed the link: what it sent afterwards belongs to no link.
        if (LinkMode != mode)
            break;
        const QString text = QString::fromUtf8(line);
        emit SGL_DEBUG_SHOW_RecvText(text);
        Reply_Dispatch(text, *this);
    }
    draining_ = false;
    if (drainAgain_) {
        drainAgain_ = false;
        scheduleDrain();
    }
}

void Ui_Main::scheduleDrain()
{
    if (drainScheduled_)
        return;
    drainScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        drainScheduled_ = false;
        drainBudget_ = DrainLinesPerTurn;
        SLT_UnifyUpdateRecv();
    });
}

void Ui_Main::SLT_UnifyUpdateSend(QString text)
{
    emit SGL_DEBUG_SHOW_SendText(text);
}

void Ui_Main::SLT_WaitReplyTimeoutMessage(QString cmd)
{
    // A report that was still on its way when the link closed concerns no open link.
    if (LinkMode == LinkModeNone)
        return;
    Link_ClearReplyAwaited(LinkMode);
    if (cmd.contains(QLatin1String("GET MODEL TYPE"))) {
        connectionPage_->ShowIdentifyResult(false);
        connectionPage_->PressActiveConnectButton();
        MessageBox_InfoSerial(SMSG_ReadDeviceFail + cmd, this);
        return;
    }
    if (cmd.contains(QLatin1String("NETWORK-INFO")) || cmd.contains(QLatin1String("BAUDRATE")))
        LinkSettingsQueryOnly = false;
    MessageBox_InfoSerial(SMSG_CommunicationFail + cmd, this);
}

// After the system page wrote the device's network or baud settings the link's parameters
// no longer fit: the link is closed and the connection page shows the stored parameters.
void Ui_Main::SLT_SyncSerialPortNetworkInfo()
{
    if (!LinkSettingsQueryOnly)
        connectionPage_->PressActiveConnectButton();
    LinkSettingsQueryOnly = false;
    connectionPage_->Retranslate(false, false);
    // The system page re-applies its texts and stored parameters here (both flags false).
}

void Ui_Main::SLT_SyncInputSourceName()
{
    // The audio page rebuilds its texts and source names here (both flags false).
}
