#include "setup/setupwindow.h"

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
                         CarrierStep chooseCountry, CarrierStep chooseOperator,
                         SetupDialogs &dialogs, QWidget *parent)
    : FramelessWindow(design, parent)
    , m_dialogs(dialogs)
{
    const QList<QComboBox *> boxes = findChildren<QComboBox *>();
    for (QComboBox *box : boxes) {
        if (box->isEditable())
            acceptPicksOnly(box);
    }

    connect(requiredBox(controls.modeBox), &QComboBox::activated, this,
            [this] { applySettingMode(); });
    connect(requiredBox(controls.countryBox), &QComboBox::activated, this,
            [this, chooseCountry] { chooseCountry(*this); });
    connect(requiredBox(controls.operatorBox), &QComboBox::activated, this,
            [this, chooseOperator] { chooseOperator(*this); });

    const auto button = [this](const QString &name) {
        auto *button = qobject_cast<QAbstractButton *>(requiredControl(name));
        if (!button)
            qFatal("%s is not a button", qPrintable(name));
        return button;
    };
    connect(button(kFolderButton), &QAbstractButton::clicked, this,
            [this, pathField = controls.pathField] { ChooseFolder(*this, pathField); });
    connect(button(kReadButton), &QAbstractButton::clicked, this, [this] { read(); });
    connect(button(kGenerateButton), &QAbstractButton::clicked, this, [this] { generate(); });
    connect(button(kExitButton), &QAbstractButton::clicked, this, &QWidget::close);
}

SetupWindow::~SetupWindow() = default;

void SetupWindow::setControlsEnabled(const QStringList &names, bool enabled)
{
    for (const QString &name : names)
        requiredControl(name)->setEnabled(enabled);
}

void SetupWindow::setControlsVisible(const QStringList &names, bool visible)
{
    for (const QString &name : names)
        requiredControl(name)->setVisible(visible);
}

void SetupWindow::emptyTexts(const QStringList &names)
{
    for (const QString &name : names)
        setText(name, QString());
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

void SetupWindow::showMessage(const QString &text)
{
    m_dialogs.showMessage(this, kApplicationTitle, text);
}

std::optional<QString> SetupWindow::chooseFolder(const QString &title)
{
    return m_dialogs.chooseFolder(this, title);
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

void SetupWindow::clearList(const QString &name)
{
    QComboBox *box = requiredBox(name);
    box->clear();
    box->clearEditText();
}

void SetupWindow::addItem(const QString &name, const QString &item)
{
    QComboBox *box = requiredBox(name);
    const int keptIndex = box->currentIndex();
    const QString keptText = box->currentText();
    box->addItem(item);
    // Qt selects the first entry added to an empty list; the box's text must not change.
    if (box->currentIndex() != keptIndex) {
        box->setCurrentIndex(keptIndex);
        box->setEditText(keptText);
    }
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
