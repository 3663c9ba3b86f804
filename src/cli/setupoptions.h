#pragma once

#include "carriers/mailproviders.h"
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
//
// SMTP: --sender without --server proposes the sender's provider (ProposeMailServer,
// carriers/mailproviders.h) as the window does, under --country's profile and before --port and
// --ssl, which take its place; what was taken is one line on standard error. A server of a
// provider that the camera cannot use is a warning there too, unless Generate asks about it.
enum class ProviderWarning { Printed, AskedByGenerate };

template<typename Settings> class SetupOptions
{
public:
    explicit SetupOptions(QCommandLineParser &parser,
                          ProviderWarning warning = ProviderWarning::Printed);

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

    // The option of a key of the section.
    const QCommandLineOption &optionOf(QLatin1StringView key) const;
    // The sender's provider proposed (SMTP), before the options take the place of its values.
    const MailProvider *propose(SetupModel<Settings> &setup,
                                const QCommandLineParser &parser) const;
    // What was taken from the provider, and whether the camera can use the server, on
    // standard error.
    void tell(const SetupModel<Settings> &setup, const MailProvider *proposed,
              const QCommandLineParser &parser) const;

    ProviderWarning m_warning;
    QCommandLineOption m_country;
    QCommandLineOption m_operator;
    std::vector<KeyOption> m_keys;
};

} // namespace cli
