// The debug terminal: every line received from the device and every command sent to it, and
// raw text typed by the operator sent on the active link, past the command catalogue.
//
// The send pane holds two regions: above, the history (the echo of every command a link
// service wrote, and the operator's earlier input); below, the operator's pending input,
// which starts on a line of its own. Echoes are inserted at the end of the history, above the
// pending input, so they never mix into it; Send transmits only the pending input and then
// moves it into the history. Typing while the caret sits in the history moves the caret to
// the end first; what is changed in the history by other means (a drop, the context menu's
// paste) only changes what is shown there and is never sent.
#pragma once

#include <QTextCursor>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextEdit;

// Lines (text blocks) each pane keeps; older ones drop off the top.
constexpr int DebugPaneMaxBlocks = 200;

class Ui_Debug : public QWidget
{
    Q_OBJECT

public:
    Ui_Debug();

    // What the next Send would transmit (before its wire form).
    QString PendingInput() const;

    QLabel *recvLabel() const { return m_recvLabel; }
    QTextEdit *recvPane() const { return m_recvPane; }
    QPushButton *recvClearButton() const { return m_recvClearButton; }
    QLabel *sendLabel() const { return m_sendLabel; }
    QTextEdit *sendPane() const { return m_sendPane; }
    QPushButton *sendClearButton() const { return m_sendClearButton; }
    QPushButton *sendButton() const { return m_sendButton; }
    QPushButton *hexButton() const { return m_hexButton; }
    QPushButton *asciiButton() const { return m_asciiButton; }

signals:
    void SGL_UpdateEmit();

public slots:
    void SLT_SETUP_UI_DEBUG();
    void SLT_CLOSE_UI_DEBUG();
    void SLT_CLEAR_RECV_DATA();
    void SLT_CLEAR_SEND_DATA();
    void SLT_SELECT_HEX_FORMAT();
    void SLT_SELECT_ASCII_FORMAT();
    void SLT_Sync_Show_Recv(const QString &text);
    void SLT_Sync_Show_Send(const QString &text);
    void SLT_SEND_DATA();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void setFormatCaptions(const char *format);
    // The first `sent` characters of the pending input join the history, closed by a line
    // end so that what the operator types next starts a line of its own.
    void commitInput(int sent);
    bool keepTypingInInput(const class QKeyEvent *event);

    QLabel *m_recvLabel = nullptr;
    QTextEdit *m_recvPane = nullptr;
    QPushButton *m_recvClearButton = nullptr;
    QLabel *m_sendLabel = nullptr;
    QTextEdit *m_sendPane = nullptr;
    QPushButton *m_sendClearButton = nullptr;
    QPushButton *m_sendButton = nullptr;
    QPushButton *m_hexButton = nullptr;
    QPushButton *m_asciiButton = nullptr;
    // Start of the pending input. It stays put when text is typed at it and moves along
    // when anything before it changes (echoes, lines dropping off the top).
    QTextCursor m_inputStart;
};
