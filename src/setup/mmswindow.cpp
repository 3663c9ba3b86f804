#include "setup/mmswindow.h"

#include "actions/generate.h"
#include "actions/readaction.h"

MmsWindow::MmsWindow(SetupDialogs &dialogs, QWidget *parent)
    : SectionWindow(mmsWindowDesign(), dialogs, parent)
{ }

void MmsWindow::read()
{
    QString path = text(controls().pathField);
    Read(*this, path, userEdited(),
         [this](const SetupModel<MmsSettings> &read) { replaceSetup(read); });
    setText(controls().pathField, path);
}

void MmsWindow::generate()
{
    const QString path = pathOrChosenFolder();
    if (path.isEmpty())
        return;
    StoredFileWriter writer;
    if (Generate(*this, setup().settings, path, writer))
        forgetUserEdits();
}
