#include "ui/frame_chrome.h"

#include "app/app_paths.h"
#include "ui/picture_cache.h"
#include "ui/style.h"
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
    , m_frame(frame)
{ }

FrameChrome::~FrameChrome()
{
    setHoverBand(FrameBand::None);
}

void FrameChrome::build()
{
    Ui_InitResources();
    m_frame->resize(Frame_DefaultSize(Frame_PrimaryScreenSize()));
    m_frame->move(120, 120);
    m_frame->setMinimumSize(480, 270);

    m_central = new QWidget(m_frame);
    m_central->setObjectName(QStringLiteral("CentralWidget"));
    m_titleBar = new QWidget(m_central);
    m_titleIcon = new QLabel(m_titleBar);
    m_titleIcon->setObjectName(QStringLiteral("TitleBarIcon"));
    m_titleIcon->setScaledContents(true);
    m_titleText = new QLabel(m_titleBar);
    m_titleText->setObjectName(QStringLiteral("TitleBarText"));
    m_minButton = createTitleButton(m_titleBar, "TitleBarMin");
    m_maxButton = createTitleButton(m_titleBar, "TitleBarMax");
    m_closeButton = createTitleButton(m_titleBar, "TitleBarClose");
    m_contentArea = new QWidget(m_central);
    m_contentLayout = new QGridLayout(m_contentArea);
    layoutTitleBar();
    m_frame->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);

    applyImages();
    applyStyleSheet();
    m_frame->installEventFilter(this);
}

void FrameChrome::layoutTitleBar()
{
    if (!m_central)
        return;
    m_central->setGeometry(0, 0, m_frame->width(), m_frame->height());
    const int width = m_central->width();
    m_titleBar->setGeometry(0, 0, width, TitleBarHeight);
    const int h = m_titleBar->height();
    int x = 0;
    m_titleIcon->setGeometry(x, 0, TitleButtonWidth, h);
    x += TitleButtonWidth;
    const int textWidth = m_titleBar->width() - 4 * TitleButtonWidth;
    m_titleText->setGeometry(x, 0, textWidth, h);
    x += textWidth;
    for (QPushButton *button : {m_minButton, m_maxButton, m_closeButton}) {
        button->setGeometry(x, 0, TitleButtonWidth, h);
        x += TitleButtonWidth;
    }
    m_contentArea->setGeometry(0, h, width, m_central->height() - h);
}

void FrameChrome::setContentWidget(QWidget *widget)
{
    m_contentLayout->addWidget(widget);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
}

void FrameChrome::setTitleText(const QString &text)
{
    m_titleText->setText(text);
    // The drawn title is also the window's own: message boxes, the task bar and screen
    // readers take it from there.
    m_frame->setWindowTitle(text.trimmed());
}

void FrameChrome::setTitleIcon(const QString &path)
{
    const QPixmap picture = Picture_Get(path);
    if (picture.isNull())
        return;
    m_titleIcon->setPixmap(picture);
    m_frame->setWindowIcon(QIcon(picture));
}

void FrameChrome::moveBelowTitleBar(QWidget *widget, int x, int y)
{
    widget->move(x, y + TitleBarHeight);
}

void FrameChrome::toggleMaximised()
{
    const bool wasMaximised = m_maximised;
    m_maximised = !m_maximised;
    setMaximiseIcon(!wasMaximised);
    if (wasMaximised)
        m_frame->showNormal();
    else
        m_frame->showMaximized();
}

void FrameChrome::setMaximiseIcon(bool showRestoreIcon)
{
    const QPixmap picture
        = Picture_Get(titleBarPath(showRestoreIcon ? "NormalSize.png" : "MaxSize.png"));
    if (!picture.isNull())
        m_maxButton->setIcon(QIcon(picture));
}

void FrameChrome::applyImages()
{
    setTitleIcon(titleBarPath("App.png"));
    const QPixmap minPicture = Picture_Get(titleBarPath("MinSize.png"));
    if (!minPicture.isNull())
        m_minButton->setIcon(QIcon(minPicture));
    setMaximiseIcon(false);
    const QPixmap closePicture = Picture_Get(titleBarPath("Close.png"));
    if (!closePicture.isNull())
        m_closeButton->setIcon(QIcon(closePicture));
}

void FrameChrome::applyStyleSheet()
{
    const QString path = App_Path(QStringLiteral("/TitleBar/StyleSheet/SystemTitle.qss"));
    // An unreadable sheet reads as empty text, which leaves the frame unstyled as well.
    if (QFile::exists(path))
        m_frame->setStyleSheet(Style_ReadText(path));
}

bool FrameChrome::mousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    m_pressPos = event->pos();
    m_dragging = true;
    // A Wayland client cannot place its own window; the compositor moves it instead.
    if (m_window && QGuiApplication::platformName() == QLatin1String("wayland")
        && m_window->startSystemMove())
        m_dragging = false;
    return true;
}

bool FrameChrome::mouseMove(QMouseEvent *event)
{
    if (!m_dragging)
        return false;
    m_frame->move(m_frame->pos() + event->pos() - m_pressPos);
    return true;
}

bool FrameChrome::mouseRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    m_dragging = false;
    return true;
}

bool FrameChrome::mouseDoubleClick(QMouseEvent *event)
{
    if (!m_titleBar->geometry().contains(event->pos()))
        return false;
    // A double-click only ever restores; it never maximises.
    m_frame->showNormal();
    setMaximiseIcon(false);
    m_maximised = false;
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
    const qreal ratio = m_frame->devicePixelRatioF();
    const QPoint cursor(qRound(GET_X_LPARAM(msg->lParam) / ratio),
                        qRound(GET_Y_LPARAM(msg->lParam) / ratio));
    const QPoint d = cursor - m_frame->frameGeometry().topLeft();
    switch (Frame_HitTest(d.x(), d.y(), m_frame->width(), m_frame->height())) {
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
    if (watched == m_frame) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            attachWindow();
        return false;
    }
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return windowPress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return windowMove(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        if (!m_manualResize)
            return false;
        m_manualResize = false;
        return true;
    case QEvent::Leave:
        if (!m_manualResize)
            setHoverBand(FrameBand::None);
        return false;
    default:
        return false;
    }
}

void FrameChrome::attachWindow()
{
#ifndef Q_OS_WIN
    QWindow *window = m_frame->windowHandle();
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    // The window sees every mouse event before any child widget, so a press in a band
    // resizes even where a child (the close button, a page) covers the edge.
    if (m_window)
        m_window->installEventFilter(this);
#endif
}

bool FrameChrome::resizable() const
{
    return m_frame->minimumSize() != m_frame->maximumSize() && !m_frame->isMaximized();
}

bool FrameChrome::windowPress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !resizable())
        return false;
    const FrameBand band
        = Frame_HitTest(event->pos().x(), event->pos().y(), m_frame->width(), m_frame->height());
    if (band == FrameBand::None)
        return false;
    const Qt::Edges edges = Frame_BandEdges(band);
    if (m_window->startSystemResize(edges))
        return true;
    // No interactive resize from the window system (a bare X server has no window manager,
    // offscreen has none at all): follow the pointer by hand until the button is released.
    m_manualResize = true;
    m_resizeEdges = edges;
    m_resizePressGlobal = event->globalPos();
    m_resizeStartGeometry = m_frame->geometry();
    return true;
}

bool FrameChrome::windowMove(QMouseEvent *event)
{
    if (m_manualResize) {
        m_frame->setGeometry(
            Frame_ResizedGeometry(m_resizeStartGeometry, event->globalPos() - m_resizePressGlobal,
                                  m_resizeEdges, m_frame->minimumSize(), m_frame->maximumSize()));
        return true;
    }
    if (event->buttons() == Qt::NoButton) {
        setHoverBand(resizable() ? Frame_HitTest(event->pos().x(), event->pos().y(),
                                                 m_frame->width(), m_frame->height())
                                 : FrameBand::None);
    }
    return false;
}

void FrameChrome::setHoverBand(FrameBand band)
{
    if (band == m_hoverBand)
        return;
    if (m_hoverBand != FrameBand::None)
        QGuiApplication::restoreOverrideCursor();
    m_hoverBand = band;
    if (band != FrameBand::None)
        QGuiApplication::setOverrideCursor(QCursor(bandCursor(band)));
}
