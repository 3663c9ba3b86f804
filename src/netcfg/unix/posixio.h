#pragma once

// What the POSIX halves of the reader and the card writer share.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace posix {

// Closes a descriptor at the end of its scope.
struct Descriptor
{
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int descriptor)
        : fd(descriptor)
    { }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor();

    bool isOpen() const { return fd >= 0; }
    // Closes now; false (errno set) when the system reports a failure, such as a write that
    // the card could not take after all.
    bool close();
};

// The system's words for an errno value ("Permission denied").
QString systemText(int code);

// What stands at a path that is not a regular file, for a message: "a folder",
// "a symbolic link", "a FIFO", "a socket" or "a device".
QString nonRegularFileKind(mode_t mode);

// The process's umask, read without changing it where the system shows it (Linux's
// /proc/self/status); elsewhere it is set and put back at once, which another thread creating
// a file at that moment could notice.
mode_t currentUmask();

// Reads from fd until its end or until limit bytes are read, going on after interruptions.
// Returns false (errno set) on a failing read.
bool readUpTo(int fd, qsizetype limit, QByteArray *bytes);

// Writes every byte to fd, going on after interruptions and short writes. Returns false
// (errno set) when the system refuses or takes nothing.
bool writeAll(int fd, const QByteArray &bytes);

} // namespace posix
