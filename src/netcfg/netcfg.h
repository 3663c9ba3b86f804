#pragma once

#include "netcfg/result.h"
#include "netcfg/settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The camera's counter of byte positions is a signed 16-bit number, so it reads at most
// this many bytes of a NET.CFG.
inline constexpr qsizetype kMaxPlainFormSize = 32767;

// The plain form of NET.CFG: the section header, then one key=value line per key in the
// camera's fixed order, every line ending in CR LF. Values are converted to the file's
// code page (see codepage.h).
QByteArray ComposeNetCfg(const MmsSettings &settings);
QByteArray ComposeNetCfg(const SmtpSettings &settings);

// The stored form: the plain form passed byte by byte through the camera's substitution
// table. Same length as the plain form, with no CR or LF byte left.
// A plain form that is empty or longer than kMaxPlainFormSize is refused, saying why.
Result<QByteArray> EncodeNetCfg(QByteArrayView plain);

// The substitution alone, for any length; EncodeNetCfg adds the size check.
QByteArray encodeBytes(QByteArrayView plain);

// How the camera reads a stored form: every byte that is the stored form of a substituted
// byte becomes that byte again, every other byte reads as itself. Same length as stored.
// decodeBytes(encodeBytes(plain)) gives plain back except where plain holds a byte that the
// substitution keeps but that is also another byte's stored form (0xFC, kept, reads as "=").
QByteArray decodeBytes(QByteArrayView stored);
