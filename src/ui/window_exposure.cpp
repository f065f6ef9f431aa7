#include "ui/window_exposure.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
class AfterFirstExposure : public QObject
{
public:
    AfterFirstExposure(QWidget *window, std::function<void()> call)
        : QObject(window)
        , m_call(std::move(call))
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_call();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_call;
};
} // namespace

void Window_AfterFirstExposure(QWidget *window, std::function<void()> call)
{
    if (window->windowHandle())
        new AfterFirstExposure(window, std::move(call));
    else
        call();
}
