#include "setup/setupdialogs.h"

#include <QFileDialog>
#include <QMessageBox>
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

class QtSetupDialogs final : public SetupDialogs
{
public:
    void showMessage(QWidget *owner, const QString &title, MessageKind kind, const QString &text,
                     const QString &detail) override
    {
        QMessageBox box(iconOf(kind), title, text, QMessageBox::Ok, owner);
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
        // Qt's own browser everywhere: a system's browser may ignore the side bar, and the
        // side bar is where the cards are.
        browser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
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
};

} // namespace

SetupDialogs &qtSetupDialogs()
{
    static QtSetupDialogs dialogs;
    return dialogs;
}
