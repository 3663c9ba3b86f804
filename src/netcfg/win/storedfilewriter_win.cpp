// The card writer's steps on Windows.
#include "netcfg/platformfiles.h"
#include "netcfg/win/winfiles.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

using namespace filemessages;

QString win::systemText(DWORD code)
{
    return qt_error_string(int(code));
}

namespace {

// The destination, as the messages name it.
struct Destination
{
    QString shown;
    QString folderShown;

    Failure cannotWrite(DWORD code) const
    {
        return {QStringLiteral("Cannot write %1: %2").arg(shown, win::systemText(code))};
    }
};

Result<void> inspectExisting(const Destination &to)
{
    const DWORD attributes = GetFileAttributesW(win::wide(to.shown));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND)
            return {};
        return to.cannotWrite(code);
    }
    if (!win::isRegularFile(attributes))
        return Failure {
            QStringLiteral("Cannot replace %1: it is not a regular file.").arg(to.shown)};
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Failure {QStringLiteral("Cannot replace %1: the file is write-protected (%2).")
                            .arg(to.shown, win::systemText(ERROR_ACCESS_DENIED))};
    return {};
}

// A new temporary file of a unique name in the destination's folder, removed again unless it
// was moved over the destination.
struct Temporary
{
    QString path;
    win::Handle file;
    bool moved = false;
};

Result<void> create(const Destination &to, const QString &fileName, Temporary &temporary)
{
    DWORD code = ERROR_FILE_EXISTS;
    for (int attempt = 0; !temporary.file.isOpen() && code == ERROR_FILE_EXISTS && attempt < 16;
         ++attempt) {
        temporary.path = to.folderShown + u'\\' + temporaryName(fileName);
        temporary.file.h = CreateFileW(win::wide(temporary.path), GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        code = GetLastError();
    }
    if (temporary.file.isOpen())
        return {};
    if (code == ERROR_ACCESS_DENIED)
        return Failure {
            QStringLiteral("Cannot write %1: no file can be created in the folder %2 (%3).")
                .arg(to.shown, to.folderShown, win::systemText(code))};
    return to.cannotWrite(code);
}

Result<void> fillAndMove(const Destination &to, Temporary &temporary, const QByteArray &bytes,
                         const platform::Verify &verify)
{
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD n = 0;
        if (!WriteFile(temporary.file.h, bytes.constData() + done, DWORD(bytes.size() - done), &n,
                       nullptr)
            || n == 0)
            return to.cannotWrite(GetLastError());
        done += n;
    }
    if (!FlushFileBuffers(temporary.file.h)
        || !CloseHandle(std::exchange(temporary.file.h, INVALID_HANDLE_VALUE)))
        return to.cannotWrite(GetLastError());

    if (Result<void> verified = verify(temporary.path); !verified)
        return verified;

    // Returns once the new directory entry is on the card.
    if (!MoveFileExW(win::wide(temporary.path), win::wide(to.shown),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failure {
            QStringLiteral("Cannot replace %1: %2").arg(to.shown, win::systemText(GetLastError()))};
    temporary.moved = true;
    return {};
}

} // namespace

Result<void> platform::replaceFile(const QString &path, const QByteArray &bytes,
                                   const Verify &verify)
{
    const QFileInfo info(path);
    const Destination to {shown(path), QDir::toNativeSeparators(info.absolutePath())};
    if (Result<void> inspected = inspectExisting(to); !inspected)
        return inspected;
    Temporary temporary;
    if (Result<void> created = create(to, info.fileName(), temporary); !created)
        return created;
    Result<void> written = fillAndMove(to, temporary, bytes, verify);
    if (!written && !temporary.moved) {
        // Closed first: Windows does not delete a file that is still open.
        if (temporary.file.isOpen())
            CloseHandle(std::exchange(temporary.file.h, INVALID_HANDLE_VALUE));
        DeleteFileW(win::wide(temporary.path));
    }
    return written;
}

Result<QByteArray> platform::readFromCard(const QString &path)
{
    // An unbuffered read comes from the card, not from the cache. It needs a buffer and a
    // length in whole sectors: VirtualAlloc gives page-aligned memory, sized in 64 KiB steps.
    const win::Handle file {CreateFileW(win::wide(QDir::toNativeSeparators(path)), GENERIC_READ,
                                        FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_NO_BUFFERING, nullptr)};
    LARGE_INTEGER size {};
    if (!file.isOpen() || !GetFileSizeEx(file.h, &size))
        return Failure {win::systemText(GetLastError())};
    const SIZE_T capacity = (SIZE_T(size.QuadPart) / 65536 + 1) * 65536;
    void *buffer = VirtualAlloc(nullptr, capacity, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD n = 0;
    const bool read = buffer && ReadFile(file.h, buffer, DWORD(capacity), &n, nullptr);
    const DWORD code = GetLastError();
    const QByteArray bytes = read ? QByteArray(static_cast<const char *>(buffer), n) : QByteArray();
    if (buffer)
        VirtualFree(buffer, 0, MEM_RELEASE);
    if (!read)
        return Failure {win::systemText(code)};
    return bytes;
}
