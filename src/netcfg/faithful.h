#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Whether the camera reads a value back exactly as it was typed.
//
// The camera undoes the byte substitution of NET.CFG (see netcfg.h), but the substitution
// moves digits, letters, "[ ] @ = .", CR and LF onto byte values that other characters
// already have, and keeps those characters' bytes as they are. The camera then reads such a
// character as the one whose stored form its byte is: "ü" (0xFC) as "=", "ñ" (0xF1) as a
// line break, "€" (0x80) as "a". A character that the file's code page lacks, or that its
// conversion changes into another ("中" off Windows, Windows' best fit "Ł" to "L"), never
// reaches the camera at all. Settings holding any of these must not be written.

// One character of a value that the camera would not read back as typed.
struct UnfaithfulCharacter
{
    enum class Kind {
        // Cannot be written: not in the file's code page, changed by its conversion, or a
        // line break typed into the value.
        Unwritable,
        // Written, but its byte is another character's stored form: the camera reads readAs.
        ReadAsOther,
    };

    Kind kind;
    // The character as typed: one code point (a surrogate pair), or a surrogate on its own.
    QString typed;
    // ReadAsOther: what the camera reads in its place ("=", "\n"). Empty for Unwritable.
    QString readAs;

    friend bool operator==(const UnfaithfulCharacter &a, const UnfaithfulCharacter &b)
    {
        return a.kind == b.kind && a.typed == b.typed && a.readAs == b.readAs;
    }
};

// The rule that decides whether a value may go into NET.CFG: every character of value that
// the camera would not read back as typed, each distinct character once, in the order of its
// first appearance. Empty when the camera reads the value exactly as typed.
QList<UnfaithfulCharacter> unfaithfulCharacters(QStringView value);

// A value as its window shows it: the field's label in the window's current language
// ("Account", "Email 4") and the field's text.
struct LabelledValue
{
    QString label;
    QString value;
};

// What to tell the user about the values the camera would not read back, one line per
// offending field, in the order given; empty when every value may be written. A line names
// the field, then up to three distinct characters in the order they appear:
//   Account: the camera would read "ü" as "="
//   Email 4: "中" cannot be written for the camera
//   Password: the camera would read "ñ" as a line break and "ü" as "="
//   Email 1: a line break cannot be written for the camera
//   APN: "中" cannot be written for the camera, and the camera would read "ü" as "="
//   URL: the camera would read "ñ" as a line break, "ü" as "=" and "ý" as "@" (and 2 other
//        characters)
// A character that shows nothing readable (a control character, a lone surrogate) is named
// by its code point, U+0010.
QStringList unfaithfulValueLines(const QList<LabelledValue> &fields);
