#pragma once

#include "actions/actionhost.h"

#include <QString>
#include <QStringList>

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

// The modal dialogs of a setup window: a message with one OK button, a question with Yes and
// No, the folder browser and a progress dialog. The window shows them through this seam so
// that tests can answer them without a modal loop.
class SetupDialogs
{
public:
    virtual ~SetupDialogs() = default;

    // A modal message box over owner, titled title, with the icon of its kind and a single OK
    // button; detail, when given, stands beneath the text. Returns after OK.
    virtual void showMessage(QWidget *owner, const QString &title, MessageKind kind,
                             const QString &text, const QString &detail)
        = 0;

    // A modal question over owner with Yes and No, No the default: true for Yes.
    virtual bool ask(QWidget *owner, const QString &title, const QString &question) = 0;

    // The modal folder browser over owner, showing directories only, opened at startFolder
    // and offering places (the camera cards found) first in its side bar. Returns the chosen
    // folder, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(QWidget *owner, const QString &title,
                                                const QString &startFolder,
                                                const QStringList &places)
        = 0;

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
