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

    QWidget *centralWidget() const { return m_central; }
    QWidget *titleBar() const { return m_titleBar; }
    QLabel *titleIcon() const { return m_titleIcon; }
    QLabel *titleText() const { return m_titleText; }
    QPushButton *minButton() const { return m_minButton; }
    QPushButton *maxButton() const { return m_maxButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    QWidget *contentArea() const { return m_contentArea; }
    QGridLayout *contentLayout() const { return m_contentLayout; }
    bool isMaximised() const { return m_maximised; }
    bool isDragging() const { return m_dragging; }

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

    QWidget *m_frame;
    QWidget *m_central = nullptr;
    QWidget *m_titleBar = nullptr;
    QLabel *m_titleIcon = nullptr;
    QLabel *m_titleText = nullptr;
    QPushButton *m_minButton = nullptr;
    QPushButton *m_maxButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QWidget *m_contentArea = nullptr;
    QGridLayout *m_contentLayout = nullptr;

    bool m_maximised = false;
    bool m_dragging = false;
    QPoint m_pressPos;

    // Edge resizing through the top-level QWindow (all platforms but Windows, which uses
    // the native hit test instead).
    QPointer<QWindow> m_window;
    FrameBand m_hoverBand = FrameBand::None;
    bool m_manualResize = false;
    Qt::Edges m_resizeEdges;
    QPoint m_resizePressGlobal;
    QRect m_resizeStartGeometry;
};
