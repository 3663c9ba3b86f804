#pragma once

#include "actions/actionhost.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// A progress dialog that SetupDialogs opened: modal over its owner until this is destroyed.
class SetupProgress
{
public:
    virtual ~SetupProgress() = default;
    virtual void setText(const QString &text) = 0;
};

// The modal dialogs of a setup window: a message with one OK button, the folder browser and
// a progress dialog. The window shows them through this seam so that tests can answer them
// without a modal loop.
class SetupDialogs
{
public:
    virtual ~SetupDialogs() = default;

    // A modal message box over owner, titled title, with a single OK button; returns after OK.
    virtual void showMessage(QWidget *owner, const QString &title, const QString &text) = 0;
    // The same with the icon of its kind: information, warning or critical. Dialogs that
    // show no icons show the text alone.
    virtual void showMessageWithIcon(QWidget *owner, const QString &title, const QString &text,
                                     MessageKind /*kind*/)
    {
        showMessage(owner, title, text);
    }

    // The modal folder browser over owner, showing directories only. Returns the chosen
    // folder, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(QWidget *owner, const QString &title) = 0;

    // Opens a progress dialog over owner, modal, with text, a busy indicator and a Cancel
    // button, and returns at once, so that the caller's event loop goes on. Cancel (or Esc)
    // runs cancel and hides the dialog; destroying the returned progress closes it. Dialogs
    // that show no progress (the benchmark's, the screenshots') return nothing.
    virtual std::unique_ptr<SetupProgress> openProgress(QWidget * /*owner*/,
                                                        const QString & /*title*/,
                                                        const QString & /*text*/,
                                                        std::function<void()> /*cancel*/)
    {
        return nullptr;
    }
};

// Qt's own QMessageBox, QFileDialog and QProgressDialog; shared by every window, it keeps no
// state.
SetupDialogs &qtSetupDialogs();
