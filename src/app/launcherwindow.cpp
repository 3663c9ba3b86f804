#include "app/launcherwindow.h"

#include "app/launchertile.h"

#include <QComboBox>
#include <QLabel>

LauncherWindow::LauncherWindow(QWidget *parent)
    : FramelessWindow(launcherWindowDesign(), parent)
{
    // Its tile captions, disabled selectors and Camera tile are as its table declares them;
    // key preview is every FramelessWindow's.
    connect(new LauncherTile(control<QLabel>(QStringLiteral("Label5"))), &LauncherTile::activated,
            this, &LauncherWindow::openMmsWindow);
    connect(new LauncherTile(control<QLabel>(QStringLiteral("Label6"))), &LauncherTile::activated,
            this, &LauncherWindow::openSmtpWindow);
    new LauncherTile(control<QLabel>(QStringLiteral("Label4"))); // disabled, as designed
    // No tile has the focus before Tab gives it one: the launcher opens as designed.
    setFocus();

    connect(this, &FramelessWindow::quitRequested, this, &LauncherWindow::endRequested);
    // Never left running without a window: closed by the desktop, the launcher ends the run.
    connect(this, &FramelessWindow::closed, this, &LauncherWindow::endRequested);
}

LauncherWindow::~LauncherWindow()
{
    if (m_setupWindow) {
        disconnect(m_setupWindow, nullptr, this, nullptr);
        delete m_setupWindow;
    }
}

void LauncherWindow::setMmsWindowFactory(WindowFactory factory, Captions captions)
{
    m_mms = {std::move(factory), captions};
}

void LauncherWindow::setSmtpWindowFactory(WindowFactory factory, Captions captions)
{
    m_smtp = {std::move(factory), captions};
}

QString LauncherWindow::languageText() const
{
    return control<QComboBox>(QStringLiteral("Combo1"))->currentText();
}

void LauncherWindow::openMmsWindow()
{
    open(m_mms);
}

void LauncherWindow::openSmtpWindow()
{
    open(m_smtp);
}

void LauncherWindow::open(const Tile &tile)
{
    if (!tile.factory || m_setupWindow)
        return;

    hide();
    FramelessWindow *window = tile.factory();
    if (!window) {
        show();
        return;
    }
    m_setupWindow = window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &FramelessWindow::quitRequested, this, &LauncherWindow::endRequested);
    connect(window, &FramelessWindow::closed, this, &LauncherWindow::setupWindowClosed);
    // A window that goes away without closing must not leave us hidden either.
    connect(window, &QObject::destroyed, this, &LauncherWindow::setupWindowClosed);
    window->show();

    if (tile.captions)
        applyCaptions(window, tile.captions(), languageText());
}

void LauncherWindow::setupWindowClosed()
{
    if (m_setupWindow) {
        disconnect(m_setupWindow, nullptr, this, nullptr);
        m_setupWindow = nullptr;
    }
    show();
}
