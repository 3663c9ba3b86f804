#include "carriers/mailproviders.h"

const MailProvider *mailProviderOf(QStringView address)
{
    const QStringView domain = address.sliced(address.lastIndexOf(u'@') + 1).trimmed();
    for (const MailProvider &provider : mailProviderTable()) {
        for (const QStringView known : provider.domains) {
            if (domain.compare(known, Qt::CaseInsensitive) == 0)
                return &provider;
        }
    }
    return nullptr;
}

const MailProvider *mailProviderOfServer(QStringView server)
{
    const QStringView host = server.trimmed();
    for (const MailProvider &provider : mailProviderTable()) {
        if (host.compare(provider.server, Qt::CaseInsensitive) == 0)
            return &provider;
    }
    return nullptr;
}

Ssl sslOf(const MailProvider &provider)
{
    return provider.security == MailSecurity::Tls ? Ssl::yes() : Ssl::no();
}

const MailProvider *ProposeMailServer(SetupModel<SmtpSettings> &setup,
                                      const QString &earlierProposal)
{
    SmtpSettings &settings = setup.settings;
    const MailProvider *provider = mailProviderOf(settings.Sender);
    if (!provider)
        return nullptr;
    const bool proposedBefore = !earlierProposal.isEmpty() && settings.Server == earlierProposal;
    if (!settings.Server.isEmpty() && !proposedBefore)
        return nullptr; // the user's, a card's or a profile's server
    settings.Server = provider->server.toString();
    settings.Port = provider->port.toString();
    settings.SSL = sslOf(*provider);
    return provider;
}
