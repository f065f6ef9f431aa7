// Base of both frame classes: a borderless top-level QWidget or QDialog with the title bar
// of FrameChrome. The derived classes add only their slots (moc cannot see a template).
#pragma once

#include "ui/frame_chrome.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>

template <class Base>
class FramelessFrame : public Base
{
public:
    void setContentWidget(QWidget *widget) { m_chrome->setContentWidget(widget); }
    void setTitleText(const QString &text) { m_chrome->setTitleText(text); }
    void setTitleIcon(const QString &path) { m_chrome->setTitleIcon(path); }
    void moveBelowTitleBar(QWidget *widget, int x, int y)
    {
        m_chrome->moveBelowTitleBar(widget, x, y);
    }
    FrameChrome *chrome() const { return m_chrome; }

protected:
    explicit FramelessFrame(QWidget *parent)
        : Base(parent)
        , m_chrome(new FrameChrome(this))
    {
        m_chrome->build();
    }

    template <class Derived>
    void connectTitleButtons(Derived *self)
    {
        QObject::connect(m_chrome->minButton(), &QPushButton::clicked, self,
                         &Derived::SLOT_WindowMin);
        QObject::connect(m_chrome->maxButton(), &QPushButton::clicked, self,
                         &Derived::SLOT_WindowMax);
        QObject::connect(m_chrome->closeButton(), &QPushButton::clicked, self,
                         &Derived::SLOT_WindowClose);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (!m_chrome->mousePress(event))
            Base::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!m_chrome->mouseMove(event))
            Base::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!m_chrome->mouseRelease(event))
            Base::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (!m_chrome->mouseDoubleClick(event))
            Base::mouseDoubleClickEvent(event);
    }
    void resizeEvent(QResizeEvent *event) override
    {
        m_chrome->layoutTitleBar();
        Base::resizeEvent(event);
    }
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override
    {
        return m_chrome->nativeEvent(eventType, message, result)
            || Base::nativeEvent(eventType, message, result);
    }

private:
    FrameChrome *m_chrome; // child QObject of the frame
};
