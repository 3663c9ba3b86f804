#include "netcfg/destination.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QStringView platformSeparators()
{
#ifdef Q_OS_WIN
    return u"\\/";
#else
    return u"/";
#endif
}

QString destinationPath(const QString &pathField, QStringView separators)
{
    qsizetype last = -1;
    for (const QChar separator : separators)
        last = std::max(last, pathField.lastIndexOf(separator));
    if (last < 0) {
        const QChar here
            = separators.isEmpty() || separators.contains(u'/') ? u'/' : separators.front();
        return u'.' + here + kNetCfgFileName;
    }
    return pathField.left(last + 1) + kNetCfgFileName;
}

QString pathFieldForFolder(const QString &folder, QStringView separators, QChar nativeSeparator)
{
    if (!folder.isEmpty() && separators.contains(folder.back()))
        return folder + kNetCfgFileName;
    return folder + nativeSeparator + kNetCfgFileName;
}
