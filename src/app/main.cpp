#include "app/appicon.h"
#include "app/appinfo.h"
#include "app/application.h"
#include "cli/commandline.h"
#include "version.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // A command (camera-setting-tool mms ...) needs no window and no display.
    if (!opensWindows(argc, argv))
        return runCommandLine(argc, argv);
    if (const std::optional<QString> why = whyNoWindows(argc, argv)) {
        std::fputs(qPrintable(*why + u'\n'), stderr);
        return cli::Usage;
    }

    // The windows are borderless and moved by the program itself while the user drags them,
    // which Wayland does not allow a client to do: run through XWayland where it is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("camera-setting-tool"));
    QApplication::setApplicationVersion(QStringLiteral(CST_VERSION));
    // The launcher decides when the run ends (Esc, or the launcher closed by the desktop);
    // a setup window closing while the launcher is hidden is no reason to stop.
    QApplication::setQuitOnLastWindowClosed(false);

    // Lets Wayland desktops match the window with the menu entry and its icon; on X11 the
    // window class (the application name) matches the menu entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    Application run;
    QObject::connect(&run.launcher(), &LauncherWindow::endRequested, &app,
                     [] { QCoreApplication::exit(0); });
    run.launcher().show();
    setApplicationIconAfterFirstPaint(&run.launcher());
    return QApplication::exec();
}
