// What the device-page tests share: a fresh environment per test, and PageReplies, which feeds
// reply lines through the real dispatcher into the pages a test built exactly as the main window
// does: the values through a fan-out to each page's own sink and then to a recorder, the verbs
// through the window's verb implementation (message boxes recorded instead of shown).
#pragma once

#include "app/language_texts.h"
#include "state/device_state.h"
#include "state/link_settings.h"
#include "state/reply_dispatcher.h"
#include "state/reply_fan_out.h"
#include "support/model_facts.h"
#include "support/operator_input.h"
#include "support/queued_commands.h"
#include "support/recording_sinks.h"
#include "support/test_runtime.h"
#include "ui/ui_audio.h"
#include "ui/ui_multiview.h"
#include "ui/ui_output.h"
#include "ui/ui_reply_verbs.h"
#include "ui/ui_system.h"

#include <QStringList>
#include <QtTest>

#include <initializer_list>

class PageReplies
{
public:
    RecordingSinks record; // every value after the pages had it, in order

    template <class... Page>
    explicit PageReplies(Page &...pages)
    {
        (attach(pages), ...);
        m_values.addListener(&record);
        m_verbs.setPages(m_pages);
    }

    // One line as the main window hands it over, CR added.
    void line(const QByteArray &text)
    {
        Reply_Dispatch(QString::fromUtf8(text + '\r'), m_values.sinks(m_verbs));
    }

    // A model as the dispatcher identifies it: the pages apply it and read everything.
    void identify(int model)
    {
        DeviceState::modelIdentified = false;
        line(QByteArray("MODEL TYPE ") + TestModelNames[model]);
    }

    // The status-log lines, in order.
    QStringList status() const
    {
        QStringList lines;
        for (const PageCall &call : record.calls) {
            if (qstrcmp(call.name, "connectionAppendStatus") == 0)
                lines << call.texts[0];
        }
        return lines;
    }
    const QStringList &messages() const { return m_verbs.messages; }

private:
    // The window's verbs, but a message is only noted: a modal box would stop the test.
    struct Verbs : UiReplyVerbs
    {
        QStringList messages;
        void showMessageBox(const QString &text) override { messages << text; }
    };

    void attach(Ui_Output &page) { add(page, m_pages.output); }
    void attach(Ui_Multiview &page) { add(page, m_pages.multiview); }
    void attach(Ui_Audio &page) { add(page, m_pages.audio); }
    void attach(Ui_System &page) { add(page, m_pages.system); }
    template <class Page>
    void add(Page &page, Page *&slot)
    {
        slot = &page;
        m_values.addListener(&page);
    }

    ReplyFanOut m_values;
    UiReplyPages m_pages;
    Verbs m_verbs;
};

// Identifies a model the way the dispatcher does (state only, no page calls).
inline void Identify(quint8 model)
{
    DeviceState::modelIndex = model;
    DeviceState::modelIdentified = model < TestModelCount;
    DeviceState::inputSourceCount = model < TestModelCount ? TestInputCounts[model] : 0;
}

// Scratch runtime with built-in texts, no model, the link-settings flag cleared, and `mode`
// active with an empty send queue; the links are released again at the end.
class PageTestEnv
{
public:
    explicit PageTestEnv(qint32 mode = LinkModeTcp)
    {
        DeviceState::ResetForTesting();
        LinkSettingsQueryOnly = false;
        LinkSettings_Forget();
        EdidFileDialogPath = QStringLiteral(".");
        QueuedCommands_Start(mode);
    }
    ~PageTestEnv() { QueuedCommands_Stop(); }

private:
    TestRuntime m_runtime;
};

// One scratch runtime with the pictures for a whole test program; reset() before each test
// puts the texts, the device state and the link back to their start.
struct MultiviewTestRun
{
    TestRuntime runtime;

    MultiviewTestRun() { runtime.copyPictures(); }
    ~MultiviewTestRun() { QueuedCommands_Stop(); }
    void reset()
    {
        TestRuntime::restoreDefaults();
        DeviceState::ResetForTesting();
        QueuedCommands_Start(LinkModeTcp);
    }
};

// Data rows "model" (int) and "shown" (bool), one per model in table order, named after it.
inline void ModelRows(std::initializer_list<bool> shown)
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("shown");
    int model = 0;
    for (bool s : shown) {
        QTest::newRow(model < TestModelCount ? TestModelNames[model] : "no model") << model << s;
        ++model;
    }
}
