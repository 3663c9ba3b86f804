#include "setup/setupwindow.h"

#include "setup/setupdialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kCountryBox = QStringLiteral("Combo3");
const QString kOperatorBox = QStringLiteral("Combo4");
const QString kFolderButton = QStringLiteral("Command4");
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

SetupWindow::SetupWindow(const SetupDesign &design, SslValue *ssl, SetupDialogs &dialogs,
                         QWidget *parent)
    : FramelessWindow(design.window, parent)
    , m_design(design)
    , m_ssl(ssl)
    , m_dialogs(dialogs)
{
    const QList<QComboBox *> boxes = findChildren<QComboBox *>();
    for (QComboBox *box : boxes) {
        if (box->isEditable())
            acceptPicksOnly(box);
    }

    connect(requiredBox(m_design.modeBox), &QComboBox::activated, this,
            &SetupWindow::applySettingMode);
    connect(requiredBox(kCountryBox), &QComboBox::activated, this,
            [this] { ChooseCountry(*this, m_design.countries, m_design.chooseOperator); });
    connect(requiredBox(kOperatorBox), &QComboBox::activated, this,
            [this] { m_design.chooseOperator(*this); });

    const auto button = [this](const QString &name) {
        auto *button = qobject_cast<QAbstractButton *>(requiredControl(name));
        if (!button)
            qFatal("%s is not a button", qPrintable(name));
        return button;
    };
    connect(button(kFolderButton), &QAbstractButton::clicked, this,
            [this] { ChooseFolder(*this, m_design.pathField); });
    connect(button(kGenerateButton), &QAbstractButton::clicked, this, &SetupWindow::generate);
    connect(button(kExitButton), &QAbstractButton::clicked, this, &QWidget::close);

    loadStep();
}

SetupWindow::~SetupWindow() = default;

void SetupWindow::loadStep()
{
    // Key preview is the frameless window's. The mode box holds its designed "Auto" here,
    // so this puts the connection fields in the Auto state; the boxes are enabled already.
    applySettingMode();
}

void SetupWindow::applySettingMode()
{
    const QString mode = text(m_design.modeBox);
    const std::vector<ModeStep> *steps = nullptr;
    if (mode == u"Auto")
        steps = &m_design.autoSteps;
    else if (mode == u"Manual")
        steps = &m_design.manualSteps;
    else
        return;
    for (ModeStep step : *steps)
        runStep(step);
}

void SetupWindow::runStep(ModeStep step)
{
    const QStringList boxes {kCountryBox, kOperatorBox};
    switch (step) {
    case ModeStep::EnableFields:
    case ModeStep::DisableFields:
        for (const QString &field : m_design.modeFields)
            requiredControl(field)->setEnabled(step == ModeStep::EnableFields);
        break;
    case ModeStep::ShowFields:
    case ModeStep::HideFields:
        for (const QString &field : m_design.modeFields)
            requiredControl(field)->setVisible(step == ModeStep::ShowFields);
        break;
    case ModeStep::EnableBoxes:
    case ModeStep::DisableBoxes:
        for (const QString &box : boxes)
            requiredControl(box)->setEnabled(step == ModeStep::EnableBoxes);
        break;
    case ModeStep::EmptyBoxes:
        for (const QString &box : boxes)
            setText(box, QString());
        break;
    case ModeStep::EmptyFields:
        for (const QString &field : m_design.modeFields)
            setText(field, QString());
        break;
    }
}

void SetupWindow::generate()
{
    SslValue unused; // a section without SSL neither reads nor sets it
    Generate(*this, m_design.section, m_ssl ? *m_ssl : unused);
}

QString SetupWindow::fieldText(const QString &name) const
{
    return text(name);
}

void SetupWindow::setFieldText(const QString &name, const QString &text)
{
    setText(name, text);
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
