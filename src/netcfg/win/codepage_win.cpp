#include "netcfg/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray toFileCodePage(QStringView text)
{
    // The system's ANSI code page, with Windows' own substitution for what it lacks.
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QString fromFileCodePage(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(bytes);
}
