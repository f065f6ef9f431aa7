// The device link without a window: the link controller over the process-wide services, the
// reply dispatcher fed with every received line, the page-less follow-up queries, and the
// identification verdict passed back to the controller. What korvane-cli and the benchmarks
// stand on; the panel has its pages instead.
#pragma once

#include "state/reply_sinks.h"

#include <QObject>

#include <memory>

class HeadlessPages;
class LinkController;
class ReplyFanOut;

class HeadlessLink : public QObject, private ReplyVerbs
{
    Q_OBJECT

public:
    explicit HeadlessLink(QObject *parent = nullptr);
    ~HeadlessLink() override;

    LinkController &link() { return *m_link; }
    ReplyFanOut &values() { return *m_values; }

    // The identification of the link opened last: -1 none yet, 0 a model this program does
    // not know, 1 identified.
    int verdict() const { return m_verdict; }

    // Whether a reported value makes the page-less pages ask the follow-up queries (on by
    // default; off while raw lines are sent, whose answers are shown as they come).
    void setFollowUps(bool on);

private:
    void connectionShowIdentifyResult(bool ok) override;
    void connectionPressActiveConnectButton() override;
    void showMessageBox(const QString &) override { }
    void outputApplyModel() override { }
    void multiviewApplyModel() override { }
    void audioApplyModel() override { }
    void systemApplyModel() override { }
    // Nothing is read on its own after identification: the caller decides what to read.
    void outputPressReadAll() override { }
    void multiviewPressReadAll() override { }
    void audioPressReadAll() override { }
    void systemPressReadAll() override { }

    std::unique_ptr<ReplyFanOut> m_values;
    std::unique_ptr<HeadlessPages> m_pages;
    LinkController *m_link = nullptr;
    int m_verdict = -1;
};
