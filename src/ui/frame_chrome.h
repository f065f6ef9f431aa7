// The self-drawn window frame shared by MyFramelessWindow and MyFramelessDialog: title bar
// with icon, title and the three buttons, moving by dragging empty space, the maximise
// toggle, and resizing from a 5-pixel band inside each edge. Written once; the two frame
// classes only forward their event handlers here.
#pragma once

#include "ui/frame_geometry.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QGridLayout;
class QLabel;
class QMouseEvent;
class QPushButton;
class QWidget;
class QWindow;

class FrameChrome : public QObject
{
    Q_OBJECT

public:
    static constexpr int TitleBarHeight = 48;
    static constexpr int TitleButtonWidth = 48;

    // Only records the frame; build() creates the members once the frame can receive events.
    explicit FrameChrome(QWidget *frame);
    ~FrameChrome() override;

    void build();

    QWidget *centralWidget() const { return central_; }
    QWidget *titleBar() const { return titleBar_; }
    QLabel *titleIcon() const { return titleIcon_; }
    QLabel *titleText() const { return titleText_; }
    QPushButton *minButton() const { return minButton_; }
    QPushButton *maxButton() const { return maxButton_; }
    QPushButton *closeButton() const { return closeButton_; }
    QWidget *contentArea() const { return contentArea_; }
    QGridLayout *contentLayout() const { return contentLayout_; }
    bool isMaximised() const { return maximised_; }
    bool isDragging() const { return dragging_; }

    void layoutTitleBar();
    void setContentWidget(QWidget *widget);
    void setTitleText(const QString &text);
    void setTitleIcon(const QString &path);
    void moveBelowTitleBar(QWidget *widget, int x, int y);
    void toggleMaximised();

    // Handlers of the frame's own mouse events; true when the event was used.
    bool mousePress(QMouseEvent *event);
    bool mouseMove(QMouseEvent *event);
    bool mouseRelease(QMouseEvent *event);
    bool mouseDoubleClick(QMouseEvent *event);
    bool nativeEvent(const QByteArray &eventType, void *message, long *result);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMaximiseIcon(bool showRestoreIcon);
    void applyImages();
    void applyStyleSheet();
    void attachWindow();
    bool resizable() const;
    bool windowPress(QMouseEvent *event);
    bool windowMove(QMouseEvent *event);
    void setHoverBand(FrameBand band);

    QWidget *frame_;
    QWidget *central_ = nullptr;
    QWidget *titleBar_ = nullptr;
    QLabel *titleIcon_ = nullptr;
    QLabel *titleText_ = nullptr;
    QPushButton *minButton_ = nullptr;
    QPushButton *maxButton_ = nullptr;
    QPushButton *closeButton_ = nullptr;
    QWidget *contentArea_ = nullptr;
    QGridLayout *contentLayout_ = nullptr;

    bool maximised_ = false;
    bool dragging_ = false;
    QPoint pressPos_;

    // Edge resizing through the top-level QWindow (all platforms but Windows, which uses
    // the native hit test instead).
    QPointer<QWindow> window_;
    FrameBand hoverBand_ = FrameBand::None;
    bool manualResize_ = false;
    Qt::Edges resizeEdges_;
    QPoint resizePressGlobal_;
    QRect resizeStartGeometry_;
};
