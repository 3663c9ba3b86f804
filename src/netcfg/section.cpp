#include "netcfg/section.h"

QString sslFileValue(const QString &boxText, SslValue &ssl, const std::optional<QString> &read)
{
    if (read && boxText == sslBoxText(*read))
        ssl.text = *read;
    else if (boxText == kSslYes)
        ssl.text = QStringLiteral("1");
    else if (boxText == kSslNo)
        ssl.text = QStringLiteral("0");
    return ssl.text;
}

QString sslBoxText(const QString &fileValue)
{
    if (fileValue == u"1")
        return kSslYes;
    if (fileValue == u"0")
        return kSslNo;
    return fileValue;
}
