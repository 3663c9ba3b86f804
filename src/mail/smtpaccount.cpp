#include "mail/smtpaccount.h"

std::optional<MailAccount> mailAccountOf(const SmtpSettings &settings)
{
    if (settings.SSL.choice() == Ssl::Kept)
        return std::nullopt;
    return MailAccount {
        settings.Server,
        settings.Port,
        settings.SSL.choice() == Ssl::Yes,
        settings.Sender,
        settings.Password,
        {settings.Email1, settings.Email2, settings.Email3, settings.Email4, settings.Email5}};
}
