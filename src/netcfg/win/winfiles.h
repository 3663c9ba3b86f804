#pragma once

// What the Windows halves of the reader and the card writer share.

#include <QString>

#include <windows.h>

namespace win {

// Closes a handle at the end of its scope.
struct Handle
{
    HANDLE h = INVALID_HANDLE_VALUE;
    Handle() = default;
    explicit Handle(HANDLE handle)
        : h(handle)
    { }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    ~Handle()
    {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    bool isOpen() const { return h != INVALID_HANDLE_VALUE; }
};

// The system's words for a Windows error code, in the user's language.
QString systemText(DWORD code);

// A path for the wide Windows calls; valid while path lives.
inline LPCWSTR wide(const QString &path)
{
    return reinterpret_cast<LPCWSTR>(path.utf16());
}

// Whether attributes, of something that exists, are those of a regular file: not a folder, a
// link or other reparse point, or a device.
inline bool isRegularFile(DWORD attributes)
{
    return (attributes
            & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE))
        == 0;
}

} // namespace win
