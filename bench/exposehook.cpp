// Shared by the two start-up executables: watches every window's expose from the moment the
// application object exists, without touching the code that starts the application.
#include "exposehook.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

class ExposeWatcher : public QObject
{
    Q_OBJECT

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_seen) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    if (widget->windowHandle() == window && widget->objectName() == u"Form1") {
                        m_seen = true;
                        // Queued: the expose is handled, and the window painted, first.
                        QMetaObject::invokeMethod(
                            this, [widget] { afterFirstExpose(widget); }, Qt::QueuedConnection);
                    }
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

void installWatcher()
{
    qApp->installEventFilter(new ExposeWatcher);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installWatcher)

long peakResidentKiB()
{
#ifdef Q_OS_UNIX
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        return usage.ru_maxrss; // KiB on Linux
#endif
    return -1;
}

BenchMode benchMode()
{
    const QByteArray mode = qgetenv("BENCH_MODE");
    const std::pair<const char *, BenchMode> modes[] = {
        {"peak-memory", BenchMode::PeakMemory},
        {"peak-memory-after-windows", BenchMode::PeakMemoryAfterWindows},
        {"open-mms", BenchMode::OpenMms},
        {"open-mms-again", BenchMode::OpenMmsAgain},
        {"open-smtp", BenchMode::OpenSmtp},
        {"open-smtp-again", BenchMode::OpenSmtpAgain},
    };
    for (const auto &[name, value] : modes) {
        if (mode == name)
            return value;
    }
    return BenchMode::StartUp;
}

void endFloorAtFirstExpose()
{
    if (benchMode() == BenchMode::PeakMemory)
        std::printf("%ld\n", peakResidentKiB());
    std::fflush(stdout);
    std::_Exit(0);
}

#include "exposehook.moc"
