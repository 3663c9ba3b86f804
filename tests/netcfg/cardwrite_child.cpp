#include "netcfg/netcfg.h"
#include "netcfg/storedfilewriter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Opens every temporary file (*.tmp) created in folder as soon as it appears, until count
// were created or none came for 10 s, then prints how many were created and opened.
// tst_cardwrite runs it as another user while it writes.
int watch(const char *folder, int count)
{
    const int events = ::inotify_init1(IN_CLOEXEC);
    const int dir = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (events < 0 || dir < 0 || ::inotify_add_watch(events, folder, IN_CREATE) < 0) {
        std::perror(folder);
        return 2;
    }
    std::puts("watching");
    std::fflush(stdout);
    int created = 0, opened = 0;
    alignas(inotify_event) char buffer[4096];
    pollfd ready {events, POLLIN, 0};
    while (created<count && ::poll(&ready, 1, 10000)> 0) {
        const ssize_t n = ::read(events, buffer, sizeof buffer);
        for (const char *at = buffer; n > 0 && at < buffer + n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            at += sizeof(inotify_event) + event->len;
            if (event->len == 0 || !QByteArray(event->name).endsWith(".tmp"))
                continue;
            ++created;
            const int file = ::openat(dir, event->name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            opened += file >= 0;
            if (file >= 0)
                ::close(file);
        }
    }
    std::printf("%d created, %d opened", created, opened);
    return 0;
}

// Says "holding" once its temporary file is synced, and goes on once its input ends:
// tst_cardwrite writes meanwhile, or kills it.
class HoldingWriter : public StoredFileWriter
{
    Result<QByteArray> readBack(const platform::CardWrite &card) override
    {
        std::puts("holding");
        std::fflush(stdout);
        while (std::getchar() != EOF) { }
        return StoredFileWriter::readBack(card);
    }
};

} // namespace

// Writes a NET.CFG of MMS settings (APN internet, APNPassword s3cret) to the path given with
// the card writer; prints the error and exits with 1 when that fails. tst_cardwrite runs it
// under limits, signals and another user's eyes that the test process itself must not take on.
int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "watch") == 0)
        return watch(argv[2], std::atoi(argv[3]));
    const bool hold = argc == 3 && std::strcmp(argv[1], "hold") == 0;
    if (argc != 2 && !hold)
        return 2;
    MmsSettings settings;
    settings.APN = QStringLiteral("internet");
    settings.APNPassword = QStringLiteral("s3cret");
    const Result<QByteArray> stored = EncodeNetCfg(ComposeNetCfg(settings));
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    const Result<void> written = hold ? HoldingWriter().write(path, stored.value())
                                      : StoredFileWriter().write(path, stored.value());
    std::fputs(written.reason().toUtf8().constData(), stdout);
    return written ? 0 : 1;
}
