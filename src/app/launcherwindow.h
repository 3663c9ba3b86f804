#pragma once

#include "app/captions.h"
#include "widgets/framelesswindow.h"

#include <QPointer>

#include <functional>

const WindowDesign &launcherWindowDesign();

// The launcher window (Form1): brand, version, the (disabled) language and model selectors, and
// the tiles that open the MMS and SMTP setup windows. It stays loaded for the whole run;
// while a setup window is open it is hidden, and it comes back where it was when that closes.
class LauncherWindow : public FramelessWindow
{
    Q_OBJECT

public:
    // Creates a freshly loaded setup window (its load step run); the launcher owns it until it
    // closes, and then it deletes itself.
    using WindowFactory = std::function<FramelessWindow *()>;

    explicit LauncherWindow(QWidget *parent = nullptr);
    ~LauncherWindow() override;

    // What the MMS tile (Label5) and the SMTP tile (Label6) open, and the caption table applied
    // to it, asked for at the opening: the launcher itself shows none of its captions, and its
    // first paint does not wait for them. Without a factory the tile does nothing.
    using Captions = const CaptionTable &(*)();
    void setMmsWindowFactory(WindowFactory factory, Captions captions = &mmsCaptionTable);
    void setSmtpWindowFactory(WindowFactory factory, Captions captions = &smtpCaptionTable);

    // The language selector's text.
    QString languageText() const;

    // The open setup window; nullptr while the launcher is home.
    FramelessWindow *setupWindow() const { return m_setupWindow; }

    // The tiles' opening steps: hide the launcher, show the setup window, then give it the
    // captions of the selected language.
    void openMmsWindow();
    void openSmtpWindow();

signals:
    // The application is to end: Esc in the launcher or a setup window, or the launcher was
    // closed by the desktop.
    void endRequested();

private:
    struct Tile
    {
        WindowFactory factory;
        Captions captions = nullptr;
    };

    void open(const Tile &tile);
    void setupWindowClosed();

    Tile m_mms;
    Tile m_smtp;
    QPointer<FramelessWindow> m_setupWindow;
};
