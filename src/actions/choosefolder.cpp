#include "actions/choosefolder.h"

#include "actions/cardfolders.h"
#include "netcfg/destination.h"

#include <QDir>

QString ChooseFolder(ActionHost &host, const QString &pathText)
{
    const QStringList media = removableMediaFolders();
    const QStringList cards = cardFolders(mountedVolumes(), media);
    const std::optional<QString> folder
        = host.chooseFolder(browserStartFolder(pathText, cards, media), cards);
    if (!folder || folder->isEmpty())
        return {};
    return pathFieldForFolder(QDir::toNativeSeparators(*folder), platformSeparators(),
                              QDir::separator());
}
