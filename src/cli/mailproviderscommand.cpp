// mail-providers: the mail provider table, or the provider of one domain, with the values that
// smtp --sender takes from it.
#include "carriers/mailproviders.h"
#include "cli/commands.h"
#include "cli/output.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// A provider: its name and domains, then, indented, the key=value lines that it gives and
// its note.
QStringList providerLines(const MailProvider &provider)
{
    QStringList domains;
    for (const QStringView domain : provider.domains)
        domains.append(domain.toString());
    QStringList lines {u"%1: %2"_s.arg(provider.name, domains.join(u' ')),
                       u"    Server=%1"_s.arg(provider.server), u"    Port=%1"_s.arg(provider.port),
                       u"    SSL=%1"_s.arg(sslOf(provider).fileValue())};
    if (provider.camera == CameraUse::Fails)
        lines.append(u"    The camera cannot use it: it %1."_s.arg(provider.note));
    else if (!provider.note.isEmpty())
        lines.append(u"    It %1."_s.arg(provider.note));
    return lines;
}

class MailProvidersCommand final : public Command
{
public:
    explicit MailProvidersCommand(QCommandLineParser &parser);
    int run(const Invocation &invocation) const override;
};

MailProvidersCommand::MailProvidersCommand(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Lists the mail providers that the SMTP window and smtp --sender know, from the\n"
        "table built into the program (nothing is looked up on the network): each one's\n"
        "domains, then the Server, Port and SSL lines that --sender takes, and what the\n"
        "account needs, or why the camera cannot use it."_s);
    parser.addPositionalArgument(
        u"domain"_s, u"A domain or an e-mail address: only its provider."_s, u"[DOMAIN]"_s);
}

int MailProvidersCommand::run(const Invocation &invocation) const
{
    const QStringList arguments = invocation.parser.positionalArguments();
    if (arguments.size() > 1)
        return usageError(
            invocation.command,
            u"unexpected argument \"%1\": name one domain, or none."_s.arg(arguments.last()));
    if (arguments.isEmpty()) {
        QStringList lines;
        for (const MailProvider &provider : mailProviderTable())
            lines += providerLines(provider);
        out(lines.join(u'\n'));
        return Done;
    }
    const MailProvider *provider = mailProviderOf(arguments.first());
    if (!provider) {
        err(u"The table knows no provider of %1: give its --server, --port and --ssl yourself."_s
                .arg(escaped(arguments.first())));
        return Failed;
    }
    out(providerLines(*provider).join(u'\n'));
    return Done;
}

} // namespace

std::unique_ptr<Command> makeMailProvidersCommand(QCommandLineParser &parser)
{
    return std::make_unique<MailProvidersCommand>(parser);
}

} // namespace cli
