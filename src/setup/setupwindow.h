#pragma once

#include "carriers/carriers.h"
#include "netcfg/fileactions.h"
#include "setup/framelesswindow.h"

#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class SetupDialogs;

// One step of the setting-mode rule. The connection fields are the ones the mode switches;
// the boxes are the country box Combo3 and the operator box Combo4.
enum class ModeStep {
    EnableFields,
    DisableFields,
    ShowFields,
    HideFields,
    EnableBoxes,
    DisableBoxes,
    EmptyBoxes, // texts only: the boxes keep their lists
    EmptyFields,
};

// Everything that sets one setup window apart from the other. The controls themselves
// (title, client size, which wireless-mode box, which phone rows are hidden) are in the
// window's WindowDesign; the rest is here.
struct SetupDesign
{
    const WindowDesign &window;
    QString modeBox; // the setting-mode box, "Auto" or "Manual"
    QStringList modeFields; // the connection fields that the setting mode switches
    std::vector<ModeStep> autoSteps;
    std::vector<ModeStep> manualSteps;
    QString pathField; // the destination field of the folder button and Generate
    Section section; // what Generate writes
    const CountryTable &countries;
    ChooseOperatorStep chooseOperator;
};

// What the MMS and SMTP setup windows share: the setting-mode rule, the carrier steps on
// the country and operator boxes, the folder button, Generate and Exit.
//
// A "pick" in a box is the user's choice of a list entry, with the mouse or by moving
// through the list with the keyboard. Typing into an editable box runs nothing.
class SetupWindow : public FramelessWindow, public FileActionHost, public CarrierControls
{
    Q_OBJECT

public:
    ~SetupWindow() override;

    // FileActionHost
    QString fieldText(const QString &name) const override;
    void setFieldText(const QString &name, const QString &text) override;
    void showMessage(const QString &text) override;
    std::optional<QString> chooseFolder(const QString &title) override;

    // CarrierControls
    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &text) override;
    void clearList(const QString &name) override;
    void addItem(const QString &name, const QString &item) override;

protected:
    // ssl: the SSL value that Generate keeps for the whole run; nullptr for a section that
    // writes none. It and dialogs must outlive the window.
    SetupWindow(const SetupDesign &design, SslValue *ssl, SetupDialogs &dialogs, QWidget *parent);

private:
    void loadStep();
    void applySettingMode();
    void runStep(ModeStep step);
    void generate();

    QWidget *requiredControl(const QString &name) const;
    QComboBox *requiredBox(const QString &name) const;

    const SetupDesign &m_design;
    SslValue *m_ssl;
    SetupDialogs &m_dialogs;
};
