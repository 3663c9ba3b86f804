#pragma once

#include "actions/actionhost.h"
#include "actions/fieldmap.h"
#include "actions/generate.h"
#include "actions/namedcontrols.h"
#include "actions/readaction.h"
#include "carriers/carriers.h"
#include "carriers/setupmodel.h"
#include "widgets/framelesswindow.h"

#include <QString>
#include <QStringList>

class QComboBox;
class SetupDialogs;

// The application's title, on every message box of a setup window.
inline const QString kApplicationTitle = QStringLiteral("VX412 Setting Tools");
// The folder browser's title in a window that no language's captions gave another.
inline const QString kFolderBrowserTitle = QStringLiteral("Choose the camera card's folder");

// What the MMS and SMTP setup windows share: their controls by name (NamedControls), the
// dialogs (ActionHost), and the connections from the boxes and buttons to the steps.
//
// A "pick" in a box is the user's choice of a list entry, with the mouse or by moving
// through the list with the keyboard. Typing into an editable box runs nothing.
//
// A user edit is typing into a field or a box, or a pick; not the program's own change of a
// text. The window remembers whether there was one since it opened, or since its last read
// or write, so that Read asks before it replaces what the user typed.
class SetupWindow : public FramelessWindow, public NamedControls, public ActionHost
{
    Q_OBJECT

public:
    ~SetupWindow() override;

    // NamedControls
    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &text) override;
    QStringList items(const QString &name) const override;
    void setItems(const QString &name, const QStringList &items) override;

    // ActionHost, but nameOf, which is the section's
    using ActionHost::showMessage;
    void showMessage(MessageKind kind, const QString &text, const QString &detail) override;
    bool confirm(const QString &question) override;
    std::optional<QString> chooseFolder(const QString &startFolder,
                                        const QStringList &cardFolders) override;

    // The folder browser's title, in the language of the window's captions.
    void setFolderBrowserTitle(const QString &title) { m_folderBrowserTitle = title; }

    // The caption of the label that names a control, as the window shows it now ("Phone 1");
    // the control's name when no label names it.
    QString labelOf(const QString &name) const;

    // The mode that the last pick in the setting-mode box applied (Auto as the window opens).
    SettingMode settingMode() const { return m_mode; }

    // Whether the user edited a value since the window opened, or since its last read or
    // write. The Path field does not count: no read replaces it.
    bool userEdited() const { return m_userEdited; }

protected:
    // The window's controls and where its boxes and Path field are. dialogs must outlive the
    // window. The load step: the window opens in Auto mode.
    SetupWindow(const WindowDesign &design, const WindowControls &controls,
                const QStringList &connectionControls, SetupDialogs &dialogs, QWidget *parent);

    // A pick in the country box, the operator box or the setting-mode box, and the read and
    // generate buttons.
    virtual void countryPicked() = 0;
    virtual void operatorPicked() = 0;
    virtual void settingModePicked(SettingMode mode) = 0;
    virtual void read() = 0;
    virtual void generate() = 0;

    const WindowControls &controls() const { return m_controls; }

    // The Path field's text for Generate: as it is; for an empty field, what the folder
    // button puts there now (empty: the user cancelled).
    QString pathOrChosenFolder();
    void forgetUserEdits() { m_userEdited = false; }

    // The setting-mode rule's states: in Auto the connection fields are disabled and hidden
    // and the boxes enabled; in Manual the other way round. Their texts are the steps'.
    void setSettingMode(SettingMode mode);

private:
    QWidget *requiredControl(const QString &name) const;
    QComboBox *requiredBox(const QString &name) const;

    const WindowControls m_controls;
    const QStringList m_connectionControls;
    SetupDialogs &m_dialogs;
    SettingMode m_mode = SettingMode::Auto;
    QString m_folderBrowserTitle = kFolderBrowserTitle;
    bool m_userEdited = false;
};

// A setup window of one section: the carrier steps, Read and Generate on the setup that its
// controls show (fieldmap.h), with the values it keeps (keepValues) in kept, which outlives
// the window: the run's, carried from one opening of the window to the next.
template<typename Settings> class SectionWindow : public SetupWindow
{
public:
    QString nameOf(QLatin1StringView key) const override
    {
        return labelOf(controlOf<Settings>(key));
    }

    // The setup that the window shows now.
    SetupModel<Settings> setup() const { return readSetup(*this, settingMode(), m_kept); }

protected:
    // kept and dialogs must outlive the window.
    SectionWindow(const WindowDesign &design, Settings &kept, SetupDialogs &dialogs,
                  QWidget *parent)
        : SetupWindow(design, fieldMap<Settings>(), connectionControls<Settings>(), dialogs, parent)
        , m_kept(kept)
    {
        reopen(m_kept);
    }

    void countryPicked() override
    {
        takeStep([](SetupModel<Settings> &s) { ChooseCountry(s); });
    }
    void operatorPicked() override
    {
        takeStep([](SetupModel<Settings> &s) { ChooseOperator(s); });
    }
    void settingModePicked(SettingMode mode) override
    {
        takeStep([mode](SetupModel<Settings> &s) { ChooseSettingMode(s, mode); });
    }

    void read() override
    {
        QString path = text(controls().pathField);
        Read<Settings>(*this, path, userEdited(), [this](const SetupModel<Settings> &file) {
            // What the user edited before is gone.
            takeStep([&](SetupModel<Settings> &s) { s = file; });
            setSettingMode(file.mode);
            forgetUserEdits();
            fileShown();
        });
        setText(controls().pathField, path);
    }

    void generate() override
    {
        const QString path = pathOrChosenFolder();
        if (path.isEmpty())
            return;
        const SetupModel<Settings> shown = setup();
        keepValues(m_kept, shown.settings);
        StoredFileWriter writer;
        if (Generate(*this, shown, path, writer))
            forgetUserEdits();
    }

    // After Read has shown a file's setup in the window.
    virtual void fileShown() { }

    // A step on the setup that the window shows, and its effect shown.
    template<typename Step> void takeStep(const Step &step)
    {
        const SetupModel<Settings> before = setup();
        SetupModel<Settings> after = before;
        step(after);
        showSetup(*this, before, after);
        keepValues(m_kept, after.settings);
    }

private:
    Settings &m_kept;
};
