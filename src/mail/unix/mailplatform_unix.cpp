#include "mail/mailfields.h"
#include "mail/mailplatform.h"

#include <sys/socket.h>

bool isConnected(qintptr socket)
{
    sockaddr_storage peer {};
    socklen_t size = sizeof peer;
    return getpeername(static_cast<int>(socket), reinterpret_cast<sockaddr *>(&peer), &size) == 0;
}

QString fileCodePageName()
{
    return QStringLiteral("Windows-1252"); // netcfg/unix/codepage_unix.cpp
}
