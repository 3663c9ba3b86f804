// clang-format off: winsock2.h before the Qt headers, which bring in windows.h.
#include <winsock2.h>
#include <ws2tcpip.h>
// clang-format on

#include "mail/mailfields.h"
#include "mail/mailplatform.h"

#include <windows.h>

bool isConnected(qintptr socket)
{
    sockaddr_storage peer {};
    int size = sizeof peer;
    return getpeername(static_cast<SOCKET>(socket), reinterpret_cast<sockaddr *>(&peer), &size)
        == 0;
}

QString fileCodePageName()
{
    // The system's ANSI code page, which netcfg/win/codepage_win.cpp writes NET.CFG in.
    const UINT codePage = GetACP();
    return codePage == CP_UTF8 ? QStringLiteral("UTF-8")
                               : QStringLiteral("Windows-%1").arg(codePage);
}
