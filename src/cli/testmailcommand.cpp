// test-mail: the smtp command's mail account tried from this computer, as the camera will use
// it: the server, port, SSL, sender and password, with a short message to Email 1 to 5.
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/setupoptions.h"
#include "mail/mailmodule.h"
#include "mail/smtpaccount.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

class TestMailCommand final : public Command
{
public:
    explicit TestMailCommand(QCommandLineParser &parser);
    int run(const Invocation &invocation) const override;

private:
    SetupOptions<SmtpSettings> m_options;
    QCommandLineOption m_verbose;
    QCommandLineOption m_caFile;
};

TestMailCommand::TestMailCommand(QCommandLineParser &parser)
    : m_options(parser)
    , m_verbose(u"verbose"_s, u"Prints the dialogue with the mail server, without the password."_s)
    , m_caFile(u"ca-file"_s,
               u"Trusts the certificates in FILE (PEM) as well as the system's, for a server "
               "whose certificate no known authority signed."_s,
               u"file"_s)
{
    parser.setApplicationDescription(
        u"Sends a short test e-mail with the mail account of the smtp command's options, as\n"
        "the camera will: SSL yes is TLS from the first byte, no an unencrypted connection.\n"
        "It proves that the server, port, SSL, account and password work from this computer,\n"
        "not the camera's mobile data connection or its APN. Other options of the smtp\n"
        "command are taken and play no part."_s);
    parser.addOptions({m_verbose, m_caFile});
}

int TestMailCommand::run(const Invocation &invocation) const
{
    const QString &command = invocation.command;
    const QCommandLineParser &parser = invocation.parser;
    const Result<SetupModel<SmtpSettings>> setup = m_options.setup(parser);
    if (!setup)
        return usageError(command, setup.reason());
    const std::optional<MailAccount> account = mailAccountOf(setup->settings);
    if (!account)
        return usageError(command,
                          u"the operator's profile leaves SSL open: give --ssl yes or "
                          "--ssl no."_s);
    MailTestOptions testOptions;
    testOptions.caFile = parser.value(m_caFile);
    MailTestHooks hooks;
    if (parser.isSet(m_verbose)) {
        hooks.stepStarted = [](MailStep step) {
            err(u"* "_s + mailStepWords(step));
        };
        hooks.dialogue = [](const QString &line) {
            err(escaped(line));
        };
    }
    // Without its module nothing of the test runs: a failure of the installation, not of use.
    if (const Result<const MailModule *> module = mailModule(); !module) {
        err(module.reason());
        return Failed;
    }
    const MailTestResult result = runMailTest(*account, testOptions, hooks);
    if (result.accepted) {
        out(result.message);
        return Done;
    }
    if (result.failedStep == MailStep::Checking)
        return usageError(command, result.message);
    err(result.message);
    return Failed;
}

} // namespace

std::unique_ptr<Command> makeTestMailCommand(QCommandLineParser &parser)
{
    return std::make_unique<TestMailCommand>(parser);
}

} // namespace cli
