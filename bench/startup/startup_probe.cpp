// Linked into the start-up benchmark's twins of the panel and of the minimal program. When
// KORVANE_STARTUP_PROBE is set it reports, on standard output, the monotonic clock at the
// moment the first top-level window is exposed ("shown <ns>"), and with the value "exit"
// ends the process right there, so a profiler sees exactly the start-up. Without the
// variable it does nothing.
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

class ExposeProbe : public QObject
{
public:
    explicit ExposeProbe(bool exitWhenShown)
        : m_exit(exitWhenShown)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        if (!window || !window->isExposed() || window->parent())
            return false;
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("shown %lld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        if (m_exit)
            _exit(0);
        QCoreApplication::instance()->removeEventFilter(this);
        return false;
    }

private:
    bool m_exit;
};

void InstallProbe()
{
    const QByteArray mode = qgetenv("KORVANE_STARTUP_PROBE");
    if (mode.isEmpty())
        return;
    auto *app = QCoreApplication::instance();
    app->installEventFilter(new ExposeProbe(mode == "exit"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
