// The debug terminal: every line received from the device and every command sent to it, the
// "Wire" view that pairs each command with the reply the link matched to it, and raw text or
// hex typed by the operator sent on the active link, past the command catalogue.
//
// The send pane holds two regions: above, the history (the echo of every command a link
// service wrote); below, the operator's pending input, which starts on a line of its own.
// Echoes are inserted at the end of the history, above the pending input, so they never mix
// into it; Send transmits only the pending input and then takes it out of the pane (its echo
// shows it once it is on the wire). Typing while the caret sits in the history moves the caret
// to the end first; what is changed in the history by other means (a drop, the context menu's
// paste) only changes what is shown there and is never sent.
//
// Costs nothing while closed: lines are kept in bounded buffers (the panes' 200 lines) and
// rendered when the window opens; while open, what arrived is rendered once per turn of the
// event loop, in one insertion per view.
//
// The code is split by job: ui_debug.cpp (window, captions, keys), ui_debug_view.cpp
// (buffers and rendering), ui_debug_input.cpp (Send, line end, hex input, history,
// completion, snippets), ui_debug_log.cpp (saving, logging to a file, find).
#pragma once

#include "link/debug_wire.h"

#include <QByteArray>
#include <QStringList>
#include <QTextCursor>
#include <QWidget>

#include <deque>

class ThrottledCall;

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class WireLog;
class WireLogFile;

// Lines (text blocks) each pane keeps; older ones drop off the top.
constexpr int DebugPaneMaxBlocks = 200;
// Lines the wire view keeps (as many as the wire log holds).
constexpr int WireLogMaxViewLines = 1000;
// Commands the history keeps; snippets the operator can keep.
constexpr int DebugHistoryMax = 100;
constexpr int DebugSnippetsMax = 12;

class Ui_Debug : public QWidget
{
    Q_OBJECT

public:
    Ui_Debug();
    ~Ui_Debug() override;

    // Sets the texts of the terminal's additions in the current language.
    void RetranslateExtras();
    // The wire log the "Wire" view shows and the log file follows (owned by the caller).
    void SetWireLog(WireLog *log);
    // A line received from the device, as its bytes.
    void ShowReceived(const QByteArray &line);
    // Renders what waits now instead of at the end of this turn (only while shown).
    void RenderNow();

    // What the next Send would transmit (before its wire form).
    QString PendingInput() const;
    // Saves the wire view as text; false (and a message in the terminal) on failure.
    bool SaveWireView(const QString &path);
    // Starts or stops the continuous log (the path is remembered).
    void StartLog(const QString &path);
    void StopLog();
    // Adds or replaces a snippet; false when the list is full or the name is empty.
    bool AddSnippet(const QString &name, const QString &text);
    void RemoveSnippet(const QString &name);
    QStringList SnippetNames() const;
    bool SendSnippet(const QString &name);

    QLabel *recvLabel() const { return m_recvLabel; }
    QTextEdit *recvPane() const { return m_recvPane; }
    QPushButton *recvClearButton() const { return m_recvClearButton; }
    QLabel *sendLabel() const { return m_sendLabel; }
    QTextEdit *sendPane() const { return m_sendPane; }
    QPushButton *sendClearButton() const { return m_sendClearButton; }
    QPushButton *sendButton() const { return m_sendButton; }
    QPushButton *hexButton() const { return m_hexButton; }
    QPushButton *asciiButton() const { return m_asciiButton; }
    QPushButton *wireButton() const { return m_wireButton; }
    QPlainTextEdit *wireView() const { return m_wireView; }
    QComboBox *lineEndBox() const { return m_lineEndBox; }
    QCheckBox *hexInputBox() const { return m_hexInputBox; }
    QCheckBox *timeBox() const { return m_timeBox; }
    QCheckBox *logBox() const { return m_logBox; }
    QPushButton *saveButton() const { return m_saveButton; }
    QLineEdit *findEdit() const { return m_findEdit; }
    QLabel *messageLabel() const { return m_messageLabel; }
    WireLogFile *logFile() const { return m_logFile; }

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
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct PaneLine
    {
        qint64 msecs = 0;
        QByteArray bytes;
    };
    struct Pane
    {
        std::deque<PaneLine> lines; // the last DebugPaneMaxBlocks lines
        int unshown = 0; // lines at the end not rendered yet
        bool stale = true; // the whole pane must be rendered afresh
    };

    void build();
    QHBoxLayout *buildOptionsRow();
    void buildSnippetRow();
    void setFormatCaptions(const char *format);
    void restoreOptions();
    void showMessage(const QString &text);

    // ui_debug_view.cpp
    void push(Pane &pane, const QByteArray &bytes);
    void scheduleRender();
    void render();
    void renderRecv();
    void renderSend();
    void renderWire();
    void invalidateAll();
    QString paneText(const Pane &pane, int from) const;

    // ui_debug_input.cpp
    bool keyInInput(const class QKeyEvent *event);
    bool keepTypingInInput(const class QKeyEvent *event);
    void replaceInput(const QString &text);
    void recall(int step);
    void complete();
    void takeSentInput(int consumed);
    bool sendBytes(const QByteArray &bytes);
    DebugLineEnd lineEnd() const;
    void loadSnippets();
    void storeSnippets();
    void rebuildSnippetButtons();

    // ui_debug_log.cpp
    void logEntries();
    void logToggled(bool on);
    void logFailed(const QString &reason);
    void findNext();
    void toggleFind();
    void saveClicked();

    QLabel *m_recvLabel = nullptr;
    QTextEdit *m_recvPane = nullptr;
    QPushButton *m_recvClearButton = nullptr;
    QLabel *m_sendLabel = nullptr;
    QTextEdit *m_sendPane = nullptr;
    QPushButton *m_sendClearButton = nullptr;
    QPushButton *m_sendButton = nullptr;
    QPushButton *m_hexButton = nullptr;
    QPushButton *m_asciiButton = nullptr;
    QPushButton *m_wireButton = nullptr;
    QPlainTextEdit *m_wireView = nullptr;
    QPushButton *m_saveButton = nullptr;
    QLineEdit *m_findEdit = nullptr;
    QComboBox *m_lineEndBox = nullptr;
    QCheckBox *m_hexInputBox = nullptr;
    QCheckBox *m_timeBox = nullptr;
    QCheckBox *m_logBox = nullptr;
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_addSnippetButton = nullptr;
    QHBoxLayout *m_snippetRow = nullptr;
    QList<QPushButton *> m_snippetButtons;
    // Start of the pending input. It stays put when text is typed at it and moves along
    // when anything before it changes (echoes, lines dropping off the top).
    QTextCursor m_inputStart;

    Pane m_recv;
    Pane m_send;
    bool m_hex = false;
    ThrottledCall *m_render = nullptr; // renders a few dozen times a second at most
    WireLog *m_wireLog = nullptr;
    qint64 m_wireFromSeq = 0; // entries before it were cleared from the view
    qint64 m_wireShownSeq = 0; // entries before it are rendered in the wire view
    WireLogFile *m_logFile = nullptr;
    qint64 m_loggedSeq = 0; // entries before it went to the log file

    QStringList m_history;
    int m_historyIndex = 0; // m_history.size(): the draft
    QString m_draft;
    QList<QPair<QString, QString>> m_snippets; // name, text
};
