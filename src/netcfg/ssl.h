#pragma once

#include <QString>

// The SMTP section's SSL key: Yes, the file's "1" (TLS from the first byte), No, its "0" (no
// encryption), or any other text that a file held, kept to be written back as it was read.
// A value never set is the empty kept text: SSL= with nothing after it.
class Ssl
{
public:
    enum Choice { Yes, No, Kept };

    Ssl() = default;
    static Ssl yes() { return Ssl(Yes, {}); }
    static Ssl no() { return Ssl(No, {}); }
    // The value of a file's SSL= line.
    static Ssl ofFile(const QString &value)
    {
        return value == u"1" ? yes() : value == u"0" ? no() : Ssl(Kept, value);
    }

    Choice choice() const { return m_choice; }
    // The text after SSL= in the file.
    QString fileValue() const
    {
        return m_choice == Yes ? QStringLiteral("1")
            : m_choice == No   ? QStringLiteral("0")
                               : m_kept;
    }

    friend bool operator==(const Ssl &a, const Ssl &b)
    {
        return a.m_choice == b.m_choice && a.m_kept == b.m_kept;
    }
    friend bool operator!=(const Ssl &a, const Ssl &b) { return !(a == b); }

private:
    Ssl(Choice choice, const QString &kept)
        : m_choice(choice)
        , m_kept(kept)
    { }

    Choice m_choice = Kept;
    QString m_kept;
};
