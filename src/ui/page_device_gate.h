// Keeps a device page honest about where its values come from. Until a device is identified
// the page is disabled, its choice boxes are blank and one line says to connect first; while
// a device is identified the page is live; after a disconnect or a loss it is greyed and the
// line says the values are from the last connection. The gate follows the link controller's
// state, so any state that is neither identified nor open (a lost or reconnecting link
// included) greys the page.
#pragma once

#include "app/extra_texts.h"
#include "link/link_controller.h"

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

inline constexpr ExtraText Gate_NoDeviceText {
    "No device yet: connect to the device on the Connect page first.",
    "尚未连接设备：请先在“连接”页面连接设备。"};
inline constexpr ExtraText Gate_StaleText {
    "Not connected: the values shown are from the last connection and may be out of date.",
    "未连接：显示的是上次连接时的数值，可能已过时。"};

class PageDeviceGate : public QObject
{
    Q_OBJECT

public:
    enum class View { NoDevice, Live, Stale };
    Q_ENUM(View)

    // The rule: live while the link is open with an identified model; otherwise stale once
    // any device was identified before, else no device.
    static View ViewFor(LinkController::State state, bool identifiedNow, bool everIdentified);

    // `anchor` is the page's read-all button: the line sits to its right and follows it.
    PageDeviceGate(QWidget *page, QWidget *anchor, LinkController *controller);

    View view() const { return m_view; }
    QLabel *notice() const { return m_notice; }
    // Sets the line's text again (language switch) and blanks what a refill may have filled.
    void reapply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();
    void placeNotice();
    void blankChoices();

    QWidget *m_page;
    QPointer<QWidget> m_anchor;
    QPointer<LinkController> m_controller;
    QLabel *m_notice = nullptr;
    View m_view = View::NoDevice;
    bool m_everIdentified = false;
};
