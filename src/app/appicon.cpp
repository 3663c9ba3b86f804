#include "app/appicon.h"

QIcon applicationIcon()
{
    QIcon builtIn;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(kApplicationId),
                        QSize(size, size));
    }
    return QIcon::fromTheme(QLatin1String(kApplicationId), builtIn);
}
