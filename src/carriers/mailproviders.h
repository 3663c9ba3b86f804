#pragma once

#include "carriers/setupmodel.h"
#include "netcfg/settings.h"

#include <QStringView>

#include <vector>

// The mail providers of the SMTP window: for the domain of the sender's address, the
// provider's outgoing server as the camera can use it, and whether it can. Looked up on this
// computer only, from the table in mail_provider_table.cpp.
//
// The camera connects with TLS from the first byte (SSL=1) or without encryption (SSL=0); it
// has no STARTTLS, and it signs in with the account's name and a password, never with OAuth.

// How the provider's submission port starts.
enum class MailSecurity {
    Tls, // TLS from the first byte: the camera's SSL YES
    StartTls, // unencrypted, then STARTTLS, which the camera cannot do
};

// Whether the camera can send through the provider at all.
enum class CameraUse { Works, Fails };

struct MailProvider
{
    QStringView name; // as its users know it: "Gmail"
    QStringView server; // the SMTP host
    QStringView port; // its implicit-TLS port where it has one, else its STARTTLS port
    MailSecurity security;
    CameraUse camera;
    // Works: what the account needs before a device may send, in the provider's own words
    // ("needs an app password"), or empty. Fails: why the camera cannot use it, worded to
    // follow the provider's name ("accepts mail from devices only with STARTTLS on port 587").
    QStringView note;
    std::vector<QStringView> domains; // the domains of its addresses, in lower case
};

// The table, in its order: international providers first, then by country.
const std::vector<MailProvider> &mailProviderTable();

// The provider of an address's domain (the text after its last "@", in any case, without
// surrounding spaces), or of a bare domain; nullptr when the table knows none.
const MailProvider *mailProviderOf(QStringView address);

// The provider whose server this is (in any case, without surrounding spaces), the first in
// table order; nullptr when none is.
const MailProvider *mailProviderOfServer(QStringView server);

// The SSL value that the camera writes for a provider: Yes for TLS from the first byte, No for
// a STARTTLS port (whose start is unencrypted, though the server will want STARTTLS).
Ssl sslOf(const MailProvider &provider);

// The proposal of the sender's provider, the step that a change of the sender's address takes
// on an SMTP setup. When the Sender's domain is a provider's and the Server is empty, or still
// earlierProposal (the server that an earlier proposal put there, empty for none), the
// Server, Port and SSL become the provider's. A server that the user typed, that a card held or
// that an operator's profile gave is none of these, and stays; so does everything for a domain
// that the table does not know. Returns the provider proposed, nullptr when nothing changed.
const MailProvider *ProposeMailServer(SetupModel<SmtpSettings> &setup,
                                      const QString &earlierProposal);
