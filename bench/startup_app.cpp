// The application's own main() (src/app/main.cpp) is compiled into this executable unchanged;
// this is what it does at the launcher's first expose.
#include "app/launcherwindow.h"
#include "exposehook.h"

#include <QCoreApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

void waitUntilExposed(QWidget *window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A tile's window opened, shown and closed again, as the user would.
void openAndClose(LauncherWindow &launcher, void (LauncherWindow::*open)())
{
    (launcher.*open)();
    FramelessWindow *window = launcher.setupWindow();
    if (!window)
        std::abort();
    waitUntilExposed(window);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    waitUntilExposed(&launcher);
}

} // namespace

void afterFirstExpose(QWidget *window)
{
    if (benchMode() == BenchMode::PeakMemory) {
        auto *launcher = qobject_cast<LauncherWindow *>(window);
        if (!launcher)
            std::abort();
        openAndClose(*launcher, &LauncherWindow::openMmsWindow);
        openAndClose(*launcher, &LauncherWindow::openSmtpWindow);
        std::printf("%ld\n", peakResidentKiB());
    }
    std::fflush(stdout);
    std::_Exit(0);
}
