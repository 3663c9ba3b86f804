#include "netcfg/readnetcfg.h"

#include "netcfg/codepage.h"
#include "netcfg/netcfg.h"
#include "netcfg/sectionkeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringView>

#include <array>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "netcfg/filekind.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Outcome = NetCfgRead::Outcome;

NetCfgRead failure(Outcome outcome, const QString &error)
{
    NetCfgRead read;
    read.outcome = outcome;
    read.error = error;
    return read;
}

NetCfgRead notSettings(Outcome outcome, const QString &subject, const QString &reason)
{
    return failure(outcome, QStringLiteral("%1 is not a settings file: %2.").arg(subject, reason));
}

// "There is no NET.CFG in /media/card.": the folder as the user sees it.
NetCfgRead noFile(const QString &path)
{
    const QFileInfo file(path);
    return failure(Outcome::NoFile,
                   QStringLiteral("There is no %1 in %2.")
                       .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
}

NetCfgRead tooLarge(const QString &subject, qint64 size)
{
    return notSettings(Outcome::TooLarge, subject,
                       QStringLiteral("it holds %1 bytes, and the camera reads at most %2")
                           .arg(size)
                           .arg(kMaxPlainFormSize));
}

// The lines as the camera takes them: a CR or an LF ends a line, so CR LF leaves an empty line
// between the two, which is skipped like any other empty line (but the first).
QList<QStringView> linesOf(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\r' || text[i] == u'\n') {
            lines.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

template<typename Settings, std::size_t N>
void readSection(const QList<QStringView> &lines, const SectionKey<Settings> (&keys)[N],
                 Settings &settings, QStringList &repeatedKeys)
{
    std::array<bool, N> given {};
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QStringView line = lines.at(l);
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView key = line.first(equals);
        for (std::size_t k = 0; k < N; ++k) {
            if (key != QLatin1String(keys[k].key))
                continue;
            if (!given[k])
                settings.*keys[k].value = line.sliced(equals + 1).toString();
            else if (!repeatedKeys.contains(key))
                repeatedKeys.append(key.toString());
            given[k] = true;
            break;
        }
    }
}

// subject names the file in a message: its path, or "The file".
NetCfgRead parse(QByteArrayView stored, const QString &subject)
{
    if (stored.isEmpty())
        return notSettings(Outcome::Empty, subject, QStringLiteral("it is empty"));
    if (stored.size() > kMaxPlainFormSize)
        return tooLarge(subject, stored.size());

    const QString text = fromFileCodePage(decodeBytes(stored));
    const QList<QStringView> lines = linesOf(text);
    NetCfgRead read;
    read.outcome = Outcome::Read;
    if (lines.first() == u"[MMS]") {
        read.section = NetCfgSection::Mms;
        readSection(lines, kMmsSectionKeys, read.mms, read.repeatedKeys);
    } else if (lines.first() == u"[SMTP]") {
        read.section = NetCfgSection::Smtp;
        readSection(lines, kSmtpSectionKeys, read.smtp, read.repeatedKeys);
    } else {
        return notSettings(Outcome::NotSettingsFile, subject,
                           QStringLiteral("its first line is neither [MMS] nor [SMTP]"));
    }
    return read;
}

#ifndef Q_OS_WIN

// Closes a descriptor at the end of its scope.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

NetCfgRead readFile(const QString &path, const QString &shown)
{
    const QByteArray name = QFile::encodeName(path);
    const auto cannotRead = [&](int code) {
        return failure(Outcome::CannotRead,
                       QStringLiteral("Cannot read %1: %2")
                           .arg(shown, QString::fromLocal8Bit(std::strerror(code))));
    };
    const auto notRegular = [&](mode_t mode) {
        return notSettings(
            Outcome::NotRegularFile, shown,
            QStringLiteral("it is %1, not a regular file").arg(nonRegularFileKind(mode)));
    };

    // Look before opening: opening a FIFO waits for a writer, and a device may never end. A
    // symbolic link is refused as the card writer refuses it.
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return noFile(path);
        return cannotRead(errno);
    }
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    if (info.st_size > kMaxPlainFormSize)
        return tooLarge(shown, info.st_size);

    // Should anything else stand there by now, O_NOFOLLOW refuses a link and O_NONBLOCK keeps
    // a FIFO from waiting; what was opened is checked again.
    const Descriptor file {
        ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return cannotRead(errno);
    if (::fstat(file.fd, &info) != 0)
        return cannotRead(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    if (info.st_size > kMaxPlainFormSize)
        return tooLarge(shown, info.st_size);

    // One byte more than the camera reads tells a file that grew meanwhile.
    QByteArray bytes(kMaxPlainFormSize + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return cannotRead(errno);
        if (n == 0)
            break;
        done += n;
    }
    if (done > kMaxPlainFormSize)
        return tooLarge(shown, info.st_size > done ? qint64(info.st_size) : qint64(done));
    bytes.truncate(done);
    return parse(bytes, shown);
}

#else // Q_OS_WIN

NetCfgRead readFile(const QString &path, const QString &shown)
{
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(shown.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return noFile(path);
        return failure(Outcome::CannotRead,
                       QStringLiteral("Cannot read %1: %2").arg(shown, qt_error_string(int(code))));
    }
    if (attributes
        & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE))
        return notSettings(Outcome::NotRegularFile, shown,
                           QStringLiteral("it is not a regular file"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Outcome::CannotRead,
                       QStringLiteral("Cannot read %1: %2").arg(shown, file.errorString()));
    if (file.size() > kMaxPlainFormSize)
        return tooLarge(shown, file.size());
    const QByteArray bytes = file.read(kMaxPlainFormSize + 1);
    if (bytes.size() > kMaxPlainFormSize)
        return tooLarge(shown, bytes.size());
    return parse(bytes, shown);
}

#endif

} // namespace

NetCfgRead ReadNetCfg(const QString &path)
{
    if (path.isEmpty())
        return failure(Outcome::NoFile, QStringLiteral("No file was named."));
    return readFile(path, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

NetCfgRead ParseNetCfg(QByteArrayView stored)
{
    return parse(stored, QStringLiteral("The file"));
}
