#include "mail/smtpaccount.h"

#include "netcfg/section.h"

std::optional<MailAccount> mailAccountOf(const SmtpSettings &settings)
{
    if (settings.SSL != kSslYes && settings.SSL != kSslNo)
        return std::nullopt;
    return MailAccount {
        settings.Server,
        settings.Port,
        settings.SSL == kSslYes,
        settings.Sender,
        settings.Password,
        {settings.Email1, settings.Email2, settings.Email3, settings.Email4, settings.Email5}};
}
