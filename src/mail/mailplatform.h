#pragma once

#include <QtGlobal>

// The system's half of the session's sockets, one file per platform (unix/, win/), chosen by
// CMake. A socket is libcurl's curl_socket_t.

// Whether the socket's connection stands: its peer is known.
bool isConnected(qintptr socket);
