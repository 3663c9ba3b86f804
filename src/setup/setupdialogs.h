#pragma once

#include "actions/actionhost.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The modal dialogs of a setup window: a message with one OK button, a question with Yes and
// No, and the folder browser. The window shows them through this seam so that tests can
// answer them without a modal loop.
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
};

// Qt's own QMessageBox and QFileDialog; shared by every window, it keeps no state.
SetupDialogs &qtSetupDialogs();
