#pragma once

#include "carriers/setupmodel.h"
#include "netcfg/result.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>
#include <vector>

namespace cli {

// The options that make a section's setup, as the window's user makes it: --country and
// --operator pick from the carrier database, then one option per key of the section (named
// after the key; --ssl takes yes or no) takes the place of the profile's value, and
// --password-file and --apn-password-file read a password from a file (its first line; "-"
// reads standard input) rather than from the command line, where every local user sees it.
template<typename Settings> class SetupOptions
{
public:
    explicit SetupOptions(QCommandLineParser &parser);

    // The setup of the parsed options, or what is wrong with them, in words for the user:
    // an argument that belongs to no option, an unknown country or operator, a bad --ssl, a value
    // with a control character, a password given twice or a password file that cannot be read.
    Result<SetupModel<Settings>> setup(const QCommandLineParser &parser) const;

private:
    struct KeyOption
    {
        const SectionKey<Settings> *key;
        QCommandLineOption option;
        std::optional<QCommandLineOption> file; // a secret's
    };

    QCommandLineOption m_country;
    QCommandLineOption m_operator;
    std::vector<KeyOption> m_keys;
};

} // namespace cli
