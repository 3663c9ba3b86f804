#pragma once

#include "carriers/carriers.h"
#include "netcfg/fieldmap.h"
#include "netcfg/fileactions.h"
#include "setup/framelesswindow.h"

#include <QString>
#include <QStringList>

class QComboBox;
class SetupDialogs;

// What the MMS and SMTP setup windows share: their controls by name, the carrier steps on the
// country and operator boxes, the folder button, Read, Generate and Exit. Each window adds its
// own setting-mode rule, Read and Generate.
//
// A "pick" in a box is the user's choice of a list entry, with the mouse or by moving
// through the list with the keyboard. Typing into an editable box runs nothing.
class SetupWindow : public FramelessWindow, public FileActionHost
{
    Q_OBJECT

public:
    ~SetupWindow() override;

    // FileActionHost
    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &text) override;
    void clearList(const QString &name) override;
    void addItem(const QString &name, const QString &item) override;
    QString labelOf(const QString &name) const override;
    void showMessage(const QString &text) override;
    std::optional<QString> chooseFolder(const QString &title) override;

protected:
    // The window's controls, where its boxes and Path field are (its field map), and the carrier
    // steps of its country and operator boxes. dialogs must outlive the window.
    SetupWindow(const WindowDesign &design, const WindowControls &controls,
                CarrierStep chooseCountry, CarrierStep chooseOperator, SetupDialogs &dialogs,
                QWidget *parent);

    // Run when an item of the setting-mode box is picked, and once by the load step.
    virtual void applySettingMode() = 0;
    virtual void read() = 0;
    virtual void generate() = 0;

    // The setting-mode rule's steps, each over a set of controls.
    void setControlsEnabled(const QStringList &names, bool enabled);
    void setControlsVisible(const QStringList &names, bool visible);
    void emptyTexts(const QStringList &names);

private:
    QWidget *requiredControl(const QString &name) const;
    QComboBox *requiredBox(const QString &name) const;

    SetupDialogs &m_dialogs;
};
