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
    void setContentWidget(QWidget *widget) { chrome_->setContentWidget(widget); }
    void setTitleText(const QString &text) { chrome_->setTitleText(text); }
    void setTitleIcon(const QString &path) { chrome_->setTitleIcon(path); }
    void moveBelowTitleBar(QWidget *widget, int x, int y)
    {
        chrome_->moveBelowTitleBar(widget, x, y);
    }
    FrameChrome *chrome() const { return chrome_; }

protected:
    explicit FramelessFrame(QWidget *parent)
        : Base(parent)
        , chrome_(new FrameChrome(this))
    {
        chrome_->build();
    }

    template <class Derived>
    void connectTitleButtons(Derived *self)
    {
        QObject::connect(chrome_->minButton(), &QPushButton::clicked, self,
                         &Derived::SLOT_WindowMin);
        QObject::connect(chrome_->maxButton(), &QPushButton::clicked, self,
                         &Derived::SLOT_WindowMax);
        QObject::connect(chrome_->closeButton(), &QPushButton::clicked, self,
                         &Derived::SLOT_WindowClose);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (!chrome_->mousePress(event))
            Base::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!chrome_->mouseMove(event))
            Base::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!chrome_->mouseRelease(event))
            Base::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (!chrome_->mouseDoubleClick(event))
            Base::mouseDoubleClickEvent(event);
    }
    void resizeEvent(QResizeEvent *event) override
    {
        chrome_->layoutTitleBar();
        Base::resizeEvent(event);
    }
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override
    {
        return chrome_->nativeEvent(eventType, message, result)
            || Base::nativeEvent(eventType, message, result);
    }

private:
    FrameChrome *chrome_; // child QObject of the frame
};
