#include "setup/setupdialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

class QtSetupDialogs final : public SetupDialogs
{
public:
    void showMessage(QWidget *owner, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
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
};

} // namespace

SetupDialogs &qtSetupDialogs()
{
    static QtSetupDialogs dialogs;
    return dialogs;
}
