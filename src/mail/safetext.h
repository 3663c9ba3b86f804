#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text from a mail server or from the user, made safe to show on a terminal or in a message
// box: a backslash as "\\", a control character (NUL, ESC, DEL, the C1 range) as "\x1b", a
// bidirectional control (U+202A to U+202E, U+2066 to U+2069), which would reorder what
// follows it on the screen, as "\u202e"; everything else as it is.
QString safeText(QStringView text);

// Bytes as safeText shows them: what is UTF-8 as its text, every other byte as "\xe9" (a
// server's reply in another code page, the camera's Windows-1252 bytes).
QString safeBytes(QByteArrayView bytes);
