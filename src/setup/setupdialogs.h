#pragma once

#include <QString>

#include <optional>

class QWidget;

// The modal dialogs of a setup window: a message with one OK button, and the folder
// browser. The window shows them through this seam so that tests can answer them without
// a modal loop.
class SetupDialogs
{
public:
    virtual ~SetupDialogs() = default;

    // A modal message box over owner, titled title, with a single OK button; returns after OK.
    virtual void showMessage(QWidget *owner, const QString &title, const QString &text) = 0;

    // The modal folder browser over owner, showing directories only. Returns the chosen
    // folder, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(QWidget *owner, const QString &title) = 0;
};

// Qt's own QMessageBox and QFileDialog; shared by every window, it keeps no state.
SetupDialogs &qtSetupDialogs();
