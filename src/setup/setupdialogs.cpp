#include "setup/setupdialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QUrl>

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
    void showMessage(QWidget *owner, const QString &title, MessageKind kind, const QString &text,
                     const QString &detail) override
    {
        QMessageBox box(iconOf(kind), title, text, QMessageBox::Ok, owner);
        // Plain text: a message may quote a mail server's reply or a path, never markup.
        box.setTextFormat(Qt::PlainText);
        box.setInformativeText(detail);
        box.exec();
    }

    bool ask(QWidget *owner, const QString &title, const QString &question) override
    {
        QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No,
                        owner);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<QString> chooseFolder(QWidget *owner, const QString &title,
                                        const QString &startFolder,
                                        const QStringList &places) override
    {
        QFileDialog browser(owner, title, startFolder);
        browser.setFileMode(QFileDialog::Directory);
        // Windows' own browser shows its removable drives by itself. Elsewhere Qt's own: a
        // desktop's browser may ignore the side bar, and the side bar is where the cards are.
#ifdef Q_OS_WIN
        browser.setOptions(QFileDialog::ShowDirsOnly);
#else
        browser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
#endif
        QList<QUrl> sideBar;
        for (const QString &place : places)
            sideBar.append(QUrl::fromLocalFile(place));
        browser.setSidebarUrls(sideBar + browser.sidebarUrls());
        if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty())
            return std::nullopt;
        const QString folder = browser.selectedFiles().constFirst();
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
