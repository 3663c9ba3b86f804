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

// A tile's window opened, as the user's click opens it, until it is shown and painted.
FramelessWindow *openWindow(LauncherWindow &launcher, void (LauncherWindow::*open)())
{
    (launcher.*open)();
    FramelessWindow *window = launcher.setupWindow();
    if (!window)
        std::abort();
    waitUntilExposed(window);
    return window;
}

void closeWindow(LauncherWindow &launcher, FramelessWindow *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    waitUntilExposed(&launcher);
}

void openAndClose(LauncherWindow &launcher, void (LauncherWindow::*open)())
{
    closeWindow(launcher, openWindow(launcher, open));
}

} // namespace

// The one opening that callgrind counts (--collect-atstart=no --toggle-collect=measuredOpening*):
// kept out of line and out of the anonymous namespace, so that its name is plain.
Q_NEVER_INLINE FramelessWindow *measuredOpening(LauncherWindow &launcher,
                                                void (LauncherWindow::*open)())
{
    return openWindow(launcher, open);
}

void afterFirstExpose(QWidget *window)
{
    auto *launcher = qobject_cast<LauncherWindow *>(window);
    if (!launcher)
        std::abort();
    // A user's click on a tile comes long after what the first paint left queued (the
    // windows' icon), which the openings below must not count.
    if (benchMode() != BenchMode::StartUp && benchMode() != BenchMode::PeakMemory)
        QCoreApplication::sendPostedEvents();
    switch (benchMode()) {
    case BenchMode::StartUp:
        break;
    case BenchMode::PeakMemory:
        std::printf("%ld\n", peakResidentKiB());
        break;
    case BenchMode::PeakMemoryAfterWindows:
        openAndClose(*launcher, &LauncherWindow::openMmsWindow);
        openAndClose(*launcher, &LauncherWindow::openSmtpWindow);
        std::printf("%ld\n", peakResidentKiB());
        break;
    case BenchMode::OpenMmsAgain:
        openAndClose(*launcher, &LauncherWindow::openMmsWindow);
        Q_FALLTHROUGH();
    case BenchMode::OpenMms:
        closeWindow(*launcher, measuredOpening(*launcher, &LauncherWindow::openMmsWindow));
        break;
    case BenchMode::OpenSmtpAgain:
        openAndClose(*launcher, &LauncherWindow::openSmtpWindow);
        Q_FALLTHROUGH();
    case BenchMode::OpenSmtp:
        closeWindow(*launcher, measuredOpening(*launcher, &LauncherWindow::openSmtpWindow));
        break;
    }
    std::fflush(stdout);
    std::_Exit(0);
}
