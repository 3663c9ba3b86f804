#include "actions/choosefolder.h"

#include "netcfg/destination.h"

#include <QDir>

QString ChooseFolder(ActionHost &host)
{
    const std::optional<QString> folder = host.chooseFolder(QStringLiteral("请选择软件安装路径："));
    if (!folder || folder->isEmpty())
        return {};
    return pathFieldForFolder(QDir::toNativeSeparators(*folder), platformSeparators(),
                              QDir::separator());
}
