// The card writer's system half on Windows: every step names its file by path, and opens it
// without following a link or other reparse point. The temporary file stays open from its
// creation until it is replaced or removed, on a handle that lets nobody else write or delete
// it: a temporary file that can be opened for deleting is a killed run's.
#include "netcfg/platformfiles.h"
#include "netcfg/storedfilewriter.h"
#include "netcfg/win/winfiles.h"

#include <QDir>
#include <QFileInfo>

#include <aclapi.h>
#include <atomic>
#include <sddl.h>
#include <utility>

using filemessages::shown;
using platform::CardWrite;

QString win::systemText(DWORD code)
{
    return qt_error_string(int(code));
}

namespace {

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
// the folder passes on. The old file's are read from the file itself, opened without following
// a link that may stand there by now (whose target's rights would be nothing to go by). A card
// without rights (FAT) has none to give; that is no failure.
void keepRights(const QString &temporary, const QString &target, bool replacing)
{
    const win::Handle old {
        replacing ? CreateFileW(win::wide(target), READ_CONTROL,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)
                  : INVALID_HANDLE_VALUE};
    BY_HANDLE_FILE_INFORMATION info {};
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (old.isOpen() && GetFileInformationByHandle(old.h, &info)
        && win::isRegularFile(info.dwFileAttributes)
        && GetSecurityInfo(old.h, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                           &dacl, nullptr, &descriptor)
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

// Ctrl+C, Ctrl+Break and the console's closing are held while a temporary file exists: the
// first asks the write to stop and gives it kStopGrace (the system calls the handler on a
// thread of its own), then the write ends the process once the file is gone. If it has not
// ended by then (the card does not answer), or at a second one, the program says so and ends
// as the system's own handler would have ended it.
std::atomic<DWORD> g_heldEvent {DWORD(-1)};

[[noreturn]] void abandon()
{
    const QByteArray line = (StoredFileWriter::cardDoesNotAnswer() + u'\n').toLocal8Bit();
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.constData(), DWORD(line.size()), &written,
              nullptr);
    ExitProcess(STATUS_CONTROL_C_EXIT);
}

BOOL WINAPI holdConsoleEvent(DWORD event)
{
    DWORD none = DWORD(-1);
    if (!g_heldEvent.compare_exchange_strong(none, event) || !StoredFileWriter::stop())
        abandon();
    return TRUE;
}

} // namespace

struct CardWrite::System
{
    QString target; // absolute, with Windows' separators
    QString folder;
    QString fileName;
    bool replacing = false;
    std::optional<PrivateFile> security;
    QString temporary;
    win::Handle file;
};

CardWrite::CardWrite(const QString &path)
    : m(new System)
{
    const QFileInfo info(path);
    m->target = shown(path);
    m->folder = QDir::toNativeSeparators(info.absolutePath());
    m->fileName = info.fileName();
}

CardWrite::~CardWrite() = default;

CardWrite::Code CardWrite::openFolder()
{
    return 0;
}

CardWrite::Standing CardWrite::inspect()
{
    const DWORD attributes = GetFileAttributesW(win::wide(m->target));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND)
            return {Standing::Nothing, {}, 0};
        return {Standing::Unknown, {}, code};
    }
    if (!win::isRegularFile(attributes))
        return {Standing::NotAFile, {}, 0};
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return {Standing::WriteProtected, {}, ERROR_ACCESS_DENIED};
    m->replacing = true;
    return {Standing::ReplaceableFile, {}, 0};
}

// Regular files only: no links or other reparse points. A file that its writer still holds
// cannot be opened for deleting (a sharing violation); one that is opened so is deleted through
// that handle. One that this user may not open cannot be asked.
void CardWrite::removeStale(const std::function<bool(const QString &)> &isTemporary,
                            const std::function<bool(Writer, qint64)> &stale)
{
    WIN32_FIND_DATAW found {};
    const QString pattern
        = m->folder + QStringLiteral("\\.") + m->fileName + QStringLiteral(".*.tmp");
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
        const QString path = m->folder + u'\\' + name;
        if (!isTemporary(name)
            || (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            continue;
        const win::Handle file {CreateFileW(
            win::wide(path), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
        const Writer writer = file.isOpen()             ? Writer::Gone
            : GetLastError() == ERROR_SHARING_VIOLATION ? Writer::Writing
                                                        : Writer::Unknown;
        if (!stale(writer, (ticks(now) - ticks(found.ftLastWriteTime)) / 10'000))
            continue;
        FILE_DISPOSITION_INFO remove {TRUE};
        if (file.isOpen())
            SetFileInformationByHandle(file.h, FileDispositionInfo, &remove, sizeof remove);
        else
            DeleteFileW(win::wide(path));
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

CardWrite::Code CardWrite::create(const QString &name)
{
    if (!m->security)
        m->security.emplace();
    const QString path = m->folder + u'\\' + name;
    // Shared for reading only, so that it can be read back. Written through, so that its
    // rename is on the card once replace() returns.
    m->file.h = CreateFileW(
        win::wide(path), GENERIC_WRITE | DELETE, FILE_SHARE_READ, &m->security->attributes,
        CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_WRITE_THROUGH,
        nullptr);
    if (!m->file.isOpen())
        return GetLastError();
    m->temporary = path;
    return 0;
}

CardWrite::Code CardWrite::write(const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD n = 0;
        if (!WriteFile(m->file.h, bytes.constData() + done, DWORD(bytes.size() - done), &n, nullptr)
            || n == 0) {
            const DWORD code = GetLastError();
            return code ? code : ERROR_WRITE_FAULT;
        }
        done += n;
    }
    return 0;
}

CardWrite::Code CardWrite::sync()
{
    return FlushFileBuffers(m->file.h) ? 0 : GetLastError();
}

Result<QByteArray> CardWrite::readTemporary() const
{
    // An unbuffered read comes from the card, not from the cache. It needs a buffer and a
    // length in whole sectors: VirtualAlloc gives page-aligned memory, sized in 64 KiB steps.
    const win::Handle file {
        CreateFileW(win::wide(m->temporary), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_NO_BUFFERING | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
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

void CardWrite::takeOverPermissions()
{
    keepRights(m->temporary, m->target, m->replacing);
}

CardWrite::Code CardWrite::close()
{
    return 0; // it stays open until it is replaced; sync() reported what the card did not take
}

// Renamed through its handle, which alone may delete it; returns once the new directory entry
// is on the card.
CardWrite::Code CardWrite::replace()
{
    const QString target = m->target;
    QByteArray buffer(qsizetype(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t)), 0);
    auto *rename = reinterpret_cast<FILE_RENAME_INFO *>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = DWORD(target.size() * sizeof(wchar_t));
    target.toWCharArray(rename->FileName);
    if (!SetFileInformationByHandle(m->file.h, FileRenameInfo, rename, DWORD(buffer.size())))
        return GetLastError();
    m->temporary.clear();
    return 0;
}

// Deleted through its handle, as it closes.
CardWrite::Code CardWrite::removeTemporary()
{
    FILE_DISPOSITION_INFO remove {TRUE};
    if (!m->file.isOpen())
        return 0;
    if (!SetFileInformationByHandle(m->file.h, FileDispositionInfo, &remove, sizeof remove))
        return GetLastError();
    CloseHandle(std::exchange(m->file.h, INVALID_HANDLE_VALUE));
    return 0;
}

// replace() wrote through; the file is flushed once more as it closes.
CardWrite::Code CardWrite::syncFolder()
{
    if (!FlushFileBuffers(m->file.h)
        || !CloseHandle(std::exchange(m->file.h, INVALID_HANDLE_VALUE)))
        return GetLastError();
    return 0;
}

QString CardWrite::temporaryShown() const
{
    return m->temporary;
}

QString CardWrite::systemText(Code code)
{
    return win::systemText(DWORD(code));
}

bool CardWrite::deniesAccess(Code code)
{
    return code == ERROR_ACCESS_DENIED;
}

bool CardWrite::exists(Code code)
{
    return code == ERROR_FILE_EXISTS;
}

platform::HeldInterruptions::HeldInterruptions()
{
    g_heldEvent = DWORD(-1);
    SetConsoleCtrlHandler(holdConsoleEvent, TRUE);
}

platform::HeldInterruptions::~HeldInterruptions()
{
    SetConsoleCtrlHandler(holdConsoleEvent, FALSE);
    // As the system's own handler would have ended it.
    if (g_heldEvent != DWORD(-1))
        ExitProcess(STATUS_CONTROL_C_EXIT);
}

std::optional<QString> platform::HeldInterruptions::arrived()
{
    if (g_heldEvent == DWORD(-1))
        return std::nullopt;
    return QString(); // the console names no event
}

// A handle's share mode always tells whether its writer lives.
QString StoredFileWriter::cardDoesNotAnswer()
{
    return kCardDoesNotAnswer;
}
