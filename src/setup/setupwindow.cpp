#include "setup/setupwindow.h"

#include "actions/choosefolder.h"
#include "setup/setupdialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kFolderButton = QStringLiteral("Command4");
const QString kReadButton = QStringLiteral("Command1");
const QString kGenerateButton = QStringLiteral("Command2");
const QString kExitButton = QStringLiteral("Command3");

// Qt counts more than a pick as "activated": on Enter, or when the user leaves the box, a
// typed text that equals a list entry is reported too. Here only a pick runs a step.
void acceptPicksOnly(QComboBox *box)
{
    if (QLineEdit *edit = box->lineEdit())
        QObject::disconnect(edit, &QLineEdit::editingFinished, box, nullptr);
}

} // namespace

SetupWindow::SetupWindow(const WindowDesign &design, const WindowControls &controls,
                         const QStringList &connectionControls, SetupDialogs &dialogs,
                         QWidget *parent)
    : FramelessWindow(design, parent)
    , m_controls(controls)
    , m_connectionControls(connectionControls)
    , m_dialogs(dialogs)
{
    const QList<QComboBox *> boxes = findChildren<QComboBox *>();
    for (QComboBox *box : boxes) {
        if (box->isEditable())
            acceptPicksOnly(box);
    }

    connect(requiredBox(controls.modeBox), &QComboBox::activated, this, [this] {
        if (const std::optional<SettingMode> mode = settingModeOf(text(m_controls.modeBox))) {
            settingModePicked(*mode);
            setSettingMode(*mode);
        }
    });
    connect(requiredBox(controls.countryBox), &QComboBox::activated, this,
            [this] { countryPicked(); });
    connect(requiredBox(controls.operatorBox), &QComboBox::activated, this,
            [this] { operatorPicked(); });

    // User edits: typing into a field or a box's text (every line edit but the Path field's),
    // and picks.
    const QWidget *path = requiredControl(controls.pathField);
    const QList<QLineEdit *> edits = findChildren<QLineEdit *>();
    for (QLineEdit *edit : edits) {
        if (edit != path)
            connect(edit, &QLineEdit::textEdited, this, [this] { m_userEdited = true; });
    }
    for (QComboBox *box : boxes)
        connect(box, &QComboBox::activated, this, [this] { m_userEdited = true; });

    const auto button = [this](const QString &name) {
        auto *button = qobject_cast<QAbstractButton *>(requiredControl(name));
        if (!button)
            qFatal("%s is not a button", qPrintable(name));
        return button;
    };
    connect(button(kFolderButton), &QAbstractButton::clicked, this, [this] {
        setText(m_controls.pathField, ChooseFolder(*this, text(m_controls.pathField)));
    });
    connect(button(kReadButton), &QAbstractButton::clicked, this, [this] { read(); });
    connect(button(kGenerateButton), &QAbstractButton::clicked, this, [this] { generate(); });
    connect(button(kExitButton), &QAbstractButton::clicked, this, &QWidget::close);

    // The load step: the mode box holds its designed "Auto". Key preview is the frameless
    // window's.
    setSettingMode(SettingMode::Auto);
}

SetupWindow::~SetupWindow() = default;

void SetupWindow::setSettingMode(SettingMode mode)
{
    m_mode = mode;
    const bool manual = mode == SettingMode::Manual;
    for (const QString &name : m_connectionControls) {
        requiredControl(name)->setEnabled(manual);
        requiredControl(name)->setVisible(
            manual); // in Auto the values stay, hidden, and are written
    }
    for (const QString &name : {m_controls.countryBox, m_controls.operatorBox})
        requiredControl(name)->setEnabled(!manual);
}

QString SetupWindow::labelOf(const QString &name) const
{
    QWidget *control = requiredControl(name);
    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() == control)
            return label->text();
    }
    return name;
}

void SetupWindow::showMessage(MessageKind kind, const QString &text, const QString &detail)
{
    m_dialogs.showMessage(this, kApplicationTitle, kind, text, detail);
}

bool SetupWindow::confirm(const QString &question)
{
    return m_dialogs.ask(this, kApplicationTitle, question);
}

std::optional<QString> SetupWindow::chooseFolder(const QString &startFolder,
                                                 const QStringList &cardFolders)
{
    return m_dialogs.chooseFolder(this, m_folderBrowserTitle, startFolder, cardFolders);
}

QString SetupWindow::pathOrChosenFolder()
{
    QString path = text(m_controls.pathField);
    if (path.isEmpty()) {
        path = ChooseFolder(*this, path);
        setText(m_controls.pathField, path);
    }
    return path;
}

QString SetupWindow::text(const QString &name) const
{
    QWidget *control = requiredControl(name);
    if (auto *box = qobject_cast<QComboBox *>(control))
        return box->currentText();
    if (auto *field = qobject_cast<QLineEdit *>(control))
        return field->text();
    qFatal("%s holds no text", qPrintable(name));
}

void SetupWindow::setText(const QString &name, const QString &text)
{
    QWidget *control = requiredControl(name);
    if (auto *box = qobject_cast<QComboBox *>(control)) {
        // A text that is an entry of the list selects that entry, as a pick would, so that
        // moving through the list with the keyboard goes on from there.
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        if (box->isEditable())
            box->setEditText(text);
        return;
    }
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setText(text);
        return;
    }
    qFatal("%s holds no text", qPrintable(name));
}

QStringList SetupWindow::items(const QString &name) const
{
    const QComboBox *box = requiredBox(name);
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

void SetupWindow::setItems(const QString &name, const QStringList &items)
{
    QComboBox *box = requiredBox(name);
    const QString kept = box->currentText();
    box->clear();
    box->addItems(items);
    // Qt selects the first entry added to an empty list; the box's text must not change.
    setText(name, kept);
}

QWidget *SetupWindow::requiredControl(const QString &name) const
{
    QWidget *found = control(name);
    if (!found)
        qFatal("%s has no control %s", qPrintable(objectName()), qPrintable(name));
    return found;
}

QComboBox *SetupWindow::requiredBox(const QString &name) const
{
    auto *box = qobject_cast<QComboBox *>(requiredControl(name));
    if (!box)
        qFatal("%s is not a combo box", qPrintable(name));
    return box;
}
