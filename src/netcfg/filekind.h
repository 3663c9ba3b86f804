#pragma once

#include <QString>

#ifndef Q_OS_WIN
#include <sys/types.h>

// What stands at a path that is not a regular file, for a message: "a folder",
// "a symbolic link", "a FIFO", "a socket" or "a device". The card writer and the reader
// both name it this way.
QString nonRegularFileKind(mode_t mode);
#endif
