#include "setup/setupdialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// A busy indicator (no range) under the text, and Cancel.
class QtProgress final : public SetupProgress
{
public:
    QtProgress(QWidget *owner, const QString &title, const QString &text,
               std::function<void()> cancel)
        : m_dialog(new QProgressDialog(text, QProgressDialog::tr("Cancel"), 0, 0, owner))
    {
        m_dialog->setWindowTitle(title);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        // Cancel and the closing of the dialog emit canceled; Esc only rejects it.
        QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, cancel);
        QObject::connect(m_dialog, &QDialog::rejected, m_dialog, cancel);
        m_dialog->show();
    }
    ~QtProgress() override { delete m_dialog; }
    void setText(const QString &text) override
    {
        if (m_dialog)
            m_dialog->setLabelText(text);
    }

private:
    QPointer<QProgressDialog> m_dialog; // its owner may delete it first
};

class QtSetupDialogs final : public SetupDialogs
{
public:
    void showMessage(QWidget *owner, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
        box.exec();
    }

    void showMessageWithIcon(QWidget *owner, const QString &title, const QString &text,
                             MessageKind kind) override
    {
        QMessageBox box(iconOf(kind), title, text, QMessageBox::Ok, owner);
        box.exec();
    }

    std::optional<QString> chooseFolder(QWidget *owner, const QString &title) override
    {
        const QString folder
            = QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
        if (folder.isEmpty())
            return std::nullopt;
        return folder;
    }

    std::unique_ptr<SetupProgress> openProgress(QWidget *owner, const QString &title,
                                                const QString &text,
                                                std::function<void()> cancel) override
    {
        return std::make_unique<QtProgress>(owner, title, text, std::move(cancel));
    }
};

} // namespace

SetupDialogs &qtSetupDialogs()
{
    static QtSetupDialogs dialogs;
    return dialogs;
}
