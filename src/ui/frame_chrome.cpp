#include "ui/frame_chrome.h"

#include "app/app_paths.h"
#include "app/style.h"
#include "ui/png_resave.h"
#include "ui/ui_resources.h"

#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#include <windowsx.h>
#endif

namespace {
// Normalises a frame picture; true when it exists and may be shown.
bool preparePicture(const QString &path)
{
    Png_Resave(path);
    return QFile::exists(path);
}

QString titleBarPath(const char *name)
{
    return App_Path(QStringLiteral("/TitleBar/Image/") + QLatin1String(name));
}

QPushButton *createTitleButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    // Title buttons take no keyboard focus and are never a dialog's default button, so
    // Enter in a dialog field cannot minimise or close the window.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}

Qt::CursorShape bandCursor(FrameBand band)
{
    switch (band) {
    case FrameBand::Left:
    case FrameBand::Right:
        return Qt::SizeHorCursor;
    case FrameBand::Top:
    case FrameBand::Bottom:
        return Qt::SizeVerCursor;
    case FrameBand::TopLeft:
    case FrameBand::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameBand::TopRight:
    case FrameBand::BottomLeft:
        return Qt::SizeBDiagCursor;
    case FrameBand::None:
        break;
    }
    return Qt::ArrowCursor;
}
} // namespace

FrameChrome::FrameChrome(QWidget *frame)
    : QObject(frame)
    , frame_(frame)
{ }

FrameChrome::~FrameChrome()
{
    setHoverBand(FrameBand::None);
}

void FrameChrome::build()
{
    Ui_InitResources();
    frame_->resize(Frame_DefaultSize(Frame_PrimaryScreenSize()));
    frame_->move(120, 120);
    frame_->setMinimumSize(480, 270);

    central_ = new QWidget(frame_);
    central_->setObjectName(QStringLiteral("CentralWidget"));
    titleBar_ = new QWidget(central_);
    titleIcon_ = new QLabel(titleBar_);
    titleIcon_->setObjectName(QStringLiteral("TitleBarIcon"));
    titleIcon_->setScaledContents(true);
    titleText_ = new QLabel(titleBar_);
    titleText_->setObjectName(QStringLiteral("TitleBarText"));
    minButton_ = createTitleButton(titleBar_, "TitleBarMin");
    maxButton_ = createTitleButton(titleBar_, "TitleBarMax");
    closeButton_ = createTitleButton(titleBar_, "TitleBarClose");
    contentArea_ = new QWidget(central_);
    contentLayout_ = new QGridLayout(contentArea_);
    layoutTitleBar();
    frame_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);

    applyImages();
    applyStyleSheet();
    frame_->installEventFilter(this);
}

void FrameChrome::layoutTitleBar()
{
    if (!central_)
        return;
    central_->setGeometry(0, 0, frame_->width(), frame_->height());
    const int width = central_->width();
    titleBar_->setGeometry(0, 0, width, TitleBarHeight);
    const int h = titleBar_->height();
    int x = 0;
    titleIcon_->setGeometry(x, 0, TitleButtonWidth, h);
    x += TitleButtonWidth;
    const int textWidth = titleBar_->width() - 4 * TitleButtonWidth;
    titleText_->setGeometry(x, 0, textWidth, h);
    x += textWidth;
    for (QPushButton *button : {minButton_, maxButton_, closeButton_}) {
        button->setGeometry(x, 0, TitleButtonWidth, h);
        x += TitleButtonWidth;
    }
    contentArea_->setGeometry(0, h, width, central_->height() - h);
}

void FrameChrome::setContentWidget(QWidget *widget)
{
    contentLayout_->addWidget(widget);
    contentLayout_->setContentsMargins(0, 0, 0, 0);
}

void FrameChrome::setTitleText(const QString &text)
{
    titleText_->setText(text);
}

void FrameChrome::setTitleIcon(const QString &path)
{
    if (!preparePicture(path))
        return;
    titleIcon_->setPixmap(QPixmap(path));
    frame_->setWindowIcon(QIcon(path));
}

void FrameChrome::moveBelowTitleBar(QWidget *widget, int x, int y)
{
    widget->move(x, y + TitleBarHeight);
}

void FrameChrome::toggleMaximised()
{
    const bool wasMaximised = maximised_;
    maximised_ = !maximised_;
    setMaximiseIcon(!wasMaximised);
    if (wasMaximised)
        frame_->showNormal();
    else
        frame_->showMaximized();
}

void FrameChrome::setMaximiseIcon(bool showRestoreIcon)
{
    const QString path = titleBarPath(showRestoreIcon ? "NormalSize.png" : "MaxSize.png");
    if (preparePicture(path))
        maxButton_->setIcon(QIcon(path));
}

void FrameChrome::applyImages()
{
    setTitleIcon(titleBarPath("App.png"));
    const QString minPath = titleBarPath("MinSize.png");
    if (preparePicture(minPath))
        minButton_->setIcon(QIcon(minPath));
    setMaximiseIcon(false);
    const QString closePath = titleBarPath("Close.png");
    if (preparePicture(closePath))
        closeButton_->setIcon(QIcon(closePath));
}

void FrameChrome::applyStyleSheet()
{
    const QString path = App_Path(QStringLiteral("/TitleBar/StyleSheet/SystemTitle.qss"));
    // An unreadable sheet reads as empty text, which leaves the frame unstyled as well.
    if (QFile::exists(path))
        frame_->setStyleSheet(Style_ReadText(path));
}

bool FrameChrome::mousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    pressPos_ = event->pos();
    dragging_ = true;
    // A Wayland client cannot place its own window; the compositor moves it instead.
    if (window_ && QGuiApplication::platformName() == QLatin1String("wayland")
        && window_->startSystemMove())
        dragging_ = false;
    return true;
}

bool FrameChrome::mouseMove(QMouseEvent *event)
{
    if (!dragging_)
        return false;
    frame_->move(frame_->pos() + event->pos() - pressPos_);
    return true;
}

bool FrameChrome::mouseRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    dragging_ = false;
    return true;
}

bool FrameChrome::mouseDoubleClick(QMouseEvent *event)
{
    if (!titleBar_->geometry().contains(event->pos()))
        return false;
    // A double-click only ever restores; it never maximises.
    frame_->showNormal();
    setMaximiseIcon(false);
    maximised_ = false;
    return true;
}

#ifdef Q_OS_WIN
bool FrameChrome::nativeEvent(const QByteArray &, void *message, long *result)
{
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_NCHITTEST) {
        layoutTitleBar();
        return false;
    }
    // The message carries physical screen pixels; the frame's geometry is in logical ones.
    const qreal ratio = frame_->devicePixelRatioF();
    const QPoint cursor(qRound(GET_X_LPARAM(msg->lParam) / ratio),
                        qRound(GET_Y_LPARAM(msg->lParam) / ratio));
    const QPoint d = cursor - frame_->frameGeometry().topLeft();
    switch (Frame_HitTest(d.x(), d.y(), frame_->width(), frame_->height())) {
    case FrameBand::Left:
        *result = HTLEFT;
        return true;
    case FrameBand::Right:
        *result = HTRIGHT;
        return true;
    case FrameBand::Top:
        *result = HTTOP;
        return true;
    case FrameBand::Bottom:
        *result = HTBOTTOM;
        return true;
    case FrameBand::TopLeft:
        *result = HTTOPLEFT;
        return true;
    case FrameBand::TopRight:
        *result = HTTOPRIGHT;
        return true;
    case FrameBand::BottomLeft:
        *result = HTBOTTOMLEFT;
        return true;
    case FrameBand::BottomRight:
        *result = HTBOTTOMRIGHT;
        return true;
    case FrameBand::None:
        break;
    }
    return false;
}
#else
bool FrameChrome::nativeEvent(const QByteArray &, void *, long *)
{
    return false;
}
#endif

bool FrameChrome::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == frame_) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            attachWindow();
        return false;
    }
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return windowPress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return windowMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        if (!manualResize_)
            return false;
        manualResize_ = false;
        return true;
    case QEvent::Leave:
        if (!manualResize_)
            setHoverBand(FrameBand::None);
        return false;
    default:
        return false;
    }
}

void FrameChrome::attachWindow()
{
#ifndef Q_OS_WIN
    QWindow *window = frame_->windowHandle();
    if (window == window_)
        return;
    if (window_)
        window_->removeEventFilter(this);
    window_ = window;
    // The window sees every mouse event before any child widget, so a press in a band
    // resizes even where a child (the close button, a page) covers the edge.
    if (window_)
        window_->installEventFilter(this);
#endif
}

bool FrameChrome::resizable() const
{
    return frame_->minimumSize() != frame_->maximumSize() && !frame_->isMaximized();
}

bool FrameChrome::windowPress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !resizable())
        return false;
    const FrameBand band
        = Frame_HitTest(event->pos().x(), event->pos().y(), frame_->width(), frame_->height());
    if (band == FrameBand::None)
        return false;
    const Qt::Edges edges = Frame_BandEdges(band);
    if (window_->startSystemResize(edges))
        return true;
    // No interactive resize from the window system (a bare X server has no window manager,
    // offscreen has none at all): follow the pointer by hand until the button is released.
    manualResize_ = true;
    resizeEdges_ = edges;
    resizePressGlobal_ = event->globalPos();
    resizeStartGeometry_ = frame_->geometry();
    return true;
}

bool FrameChrome::windowMove(QMouseEvent *event)
{
    if (manualResize_) {
        frame_->setGeometry(
            Frame_ResizedGeometry(resizeStartGeometry_, event->globalPos() - resizePressGlobal_,
                                  resizeEdges_, frame_->minimumSize(), frame_->maximumSize()));
        return true;
    }
    if (event->buttons() == Qt::NoButton) {
        setHoverBand(resizable() ? Frame_HitTest(event->pos().x(), event->pos().y(),
                                                 frame_->width(), frame_->height())
                                 : FrameBand::None);
    }
    return false;
}

void FrameChrome::setHoverBand(FrameBand band)
{
    if (band == hoverBand_)
        return;
    if (hoverBand_ != FrameBand::None)
        QGuiApplication::restoreOverrideCursor();
    hoverBand_ = band;
    if (band != FrameBand::None)
        QGuiApplication::setOverrideCursor(QCursor(bandCursor(band)));
}
