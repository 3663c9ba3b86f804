// The card writer's steps on Windows.
#include "netcfg/platformfiles.h"
#include "netcfg/win/winfiles.h"

#include <QDir>
#include <QFileInfo>

#include <aclapi.h>
#include <atomic>
#include <sddl.h>
#include <utility>

using namespace filemessages;

QString win::systemText(DWORD code)
{
    return qt_error_string(int(code));
}

namespace {

// Temporary files of our own name that a killed run left are removed when they are this old.
constexpr qint64 kStaleAfterSeconds = 10 * 60;

// Removes the temporary files of our own name that a killed run left in the folder: regular
// files only (no links or other reparse points), older than kStaleAfterSeconds.
void removeStaleTemporaries(const QString &folder, const QString &fileName)
{
    WIN32_FIND_DATAW found {};
    const QString pattern = folder + QStringLiteral("\\.") + fileName + QStringLiteral(".*.tmp");
    const HANDLE search = FindFirstFileW(win::wide(pattern), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME now {};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME &time) {
        return (qint64(time.dwHighDateTime) << 32) | time.dwLowDateTime; // 100 ns
    };
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        const bool regular
            = !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
        const bool stale
            = ticks(now) - ticks(found.ftLastWriteTime) > kStaleAfterSeconds * 10'000'000;
        if (regular && stale && isTemporaryName(name, fileName))
            DeleteFileW(win::wide(folder + u'\\' + name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// Ctrl+C, Ctrl+Break and the console's closing wait while a temporary file exists: the
// handler only notes them, and the write ends the process once the file is gone.
std::atomic<DWORD> g_heldEvent {DWORD(-1)};

BOOL WINAPI holdConsoleEvent(DWORD event)
{
    g_heldEvent = event;
    return TRUE;
}

struct HeldConsoleEvents
{
    HeldConsoleEvents()
    {
        g_heldEvent = DWORD(-1);
        SetConsoleCtrlHandler(holdConsoleEvent, TRUE);
    }
    ~HeldConsoleEvents()
    {
        SetConsoleCtrlHandler(holdConsoleEvent, FALSE);
        // As the system's own handler would have ended it.
        if (g_heldEvent != DWORD(-1))
            ExitProcess(STATUS_CONTROL_C_EXIT);
    }
};

// The current user's SID as text ("S-1-5-21-..."); empty when the token does not tell.
QString currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(qsizetype(size), Qt::Uninitialized);
    QString sid;
    LPWSTR text = nullptr;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
        sid = QString::fromWCharArray(text);
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

// Security for a new temporary file: only the user who writes it may open it, whatever the
// folder grants, until it has the rights that the final file is to have (keepRights). Where
// the user is not known, the folder's rights apply.
struct PrivateFile
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    SECURITY_ATTRIBUTES attributes {sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};

    PrivateFile()
    {
        const QString sid = currentUserSid();
        const QString sddl = QStringLiteral("D:P(A;;FA;;;%1)").arg(sid);
        if (!sid.isEmpty()
            && ConvertStringSecurityDescriptorToSecurityDescriptorW(
                reinterpret_cast<LPCWSTR>(sddl.utf16()), SDDL_REVISION_1, &descriptor, nullptr))
            attributes.lpSecurityDescriptor = descriptor;
    }
    PrivateFile(const PrivateFile &) = delete;
    PrivateFile &operator=(const PrivateFile &) = delete;
    ~PrivateFile() { LocalFree(descriptor); }
};

// Gives the temporary file the rights of the file it replaces, or, for a new file, those that
// the folder passes on. A card without rights (FAT) has none to give; that is no failure.
void keepRights(const QString &temporary, const QString &target, bool replacing)
{
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (replacing
        && GetNamedSecurityInfoW(win::wide(target), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, &dacl, nullptr, &descriptor)
            == ERROR_SUCCESS) {
        SetNamedSecurityInfoW(const_cast<LPWSTR>(win::wide(temporary)), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl, nullptr);
        LocalFree(descriptor);
        return;
    }
    ACL empty {};
    if (InitializeAcl(&empty, sizeof empty, ACL_REVISION))
        SetNamedSecurityInfoW(const_cast<LPWSTR>(win::wide(temporary)), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &empty, nullptr);
}

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

// Whether a file stands at the destination now that may be replaced.
Result<bool> inspectExisting(const Destination &to)
{
    const DWORD attributes = GetFileAttributesW(win::wide(to.shown));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND)
            return false;
        return to.cannotWrite(code);
    }
    if (!win::isRegularFile(attributes))
        return Failure {
            QStringLiteral("Cannot replace %1: it is not a regular file.").arg(to.shown)};
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return Failure {QStringLiteral("Cannot replace %1: the file is write-protected (%2).")
                            .arg(to.shown, win::systemText(ERROR_ACCESS_DENIED))};
    return true;
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
    PrivateFile security;
    DWORD code = ERROR_FILE_EXISTS;
    for (int attempt = 0; !temporary.file.isOpen() && code == ERROR_FILE_EXISTS && attempt < 16;
         ++attempt) {
        temporary.path = to.folderShown + u'\\' + temporaryName(fileName);
        temporary.file.h
            = CreateFileW(win::wide(temporary.path), GENERIC_WRITE, 0, &security.attributes,
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
                         bool replacing, const platform::Verify &verify)
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
    keepRights(temporary.path, to.shown, replacing);
    if (g_heldEvent != DWORD(-1))
        return Failure {QStringLiteral("Cannot write %1: interrupted; the file was left as it was.")
                            .arg(to.shown)};

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
    const Result<bool> replacing = inspectExisting(to);
    if (!replacing)
        return replacing.failure();
    removeStaleTemporaries(to.folderShown, info.fileName());

    const HeldConsoleEvents held;
    Temporary temporary;
    if (Result<void> created = create(to, info.fileName(), temporary); !created)
        return created;
    Result<void> written = fillAndMove(to, temporary, bytes, *replacing, verify);
    if (!written && !temporary.moved) {
        // Closed first: Windows does not delete a file that is still open.
        if (temporary.file.isOpen())
            CloseHandle(std::exchange(temporary.file.h, INVALID_HANDLE_VALUE));
        if (!DeleteFileW(win::wide(temporary.path)))
            return Failure {written.reason()
                            + QStringLiteral("\nCannot remove the temporary file %1: %2")
                                  .arg(temporary.path, win::systemText(GetLastError()))};
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
