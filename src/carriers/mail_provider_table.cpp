// The mail providers of the SMTP window: one row per provider, with the source of its values.
//
// Server, port and how the port starts come from the public ISPDB, the database of mail
// providers' settings that mail programs use for account set-up, cited as "ISPDB <file>
// @<commit>" of its published repository (thunderbird/autoconfig); the port is the provider's
// SSL (TLS from the first byte) submission port where the file lists one, else its STARTTLS
// one. A note in the provider's own words cites the provider's help page and the date it was
// read. A provider that no source confirms is left out; so is one whose sources disagree (cox.net:
// listed both as a Yahoo domain and with a server of its own).

#include "carriers/mailproviders.h"

namespace {
constexpr MailSecurity tls = MailSecurity::Tls;
constexpr MailSecurity startTls = MailSecurity::StartTls;
constexpr CameraUse works = CameraUse::Works;
constexpr CameraUse fails = CameraUse::Fails;
} // namespace

const std::vector<MailProvider> &mailProviderTable()
{
    // clang-format off
    // name, server, port, security, camera, note, domains
    static const std::vector<MailProvider> table = {
        // International
        {u"Gmail",                u"smtp.gmail.com",          u"465", tls,      works, u"needs an app password (made in the Google Account once 2-Step Verification is on)",
            {u"gmail.com", u"googlemail.com"}}, // ISPDB ispdb/googlemail.com.xml @c18f864; note: support.google.com/accounts/answer/185833, read 2026-12-11
        {u"Outlook.com",          u"smtp-mail.outlook.com",   u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587 and an OAuth sign-in",
            {u"outlook.com", u"hotmail.com", u"live.com", u"msn.com", u"windowslive.com",
             u"hotmail.co.uk", u"live.co.uk", u"hotmail.fr", u"live.fr", u"outlook.fr", u"hotmail.de", u"live.de", u"outlook.de",
             u"hotmail.it", u"live.it", u"outlook.it", u"hotmail.es", u"outlook.es", u"outlook.pt", u"live.com.pt",
             u"hotmail.nl", u"live.nl", u"hotmail.be", u"live.be", u"outlook.at", u"live.at", u"live.ie", u"outlook.ie",
             u"hotmail.dk", u"live.dk", u"outlook.dk", u"hotmail.se", u"live.se", u"hotmail.no", u"live.no", u"hotmail.fi", u"live.fi",
             u"hotmail.gr", u"outlook.com.gr", u"hotmail.hu", u"outlook.hu", u"hotmail.cz", u"outlook.cz", u"hotmail.sk", u"outlook.sk",
             u"hotmail.lt", u"live.ru", u"hotmail.com.tr", u"outlook.com.tr", u"hotmail.co.za", u"live.co.za",
             u"hotmail.co.in", u"live.in", u"outlook.in", u"live.cn", u"hotmail.ca", u"live.ca",
             u"hotmail.com.au", u"live.com.au", u"outlook.com.au", u"hotmail.com.br", u"outlook.com.br"}}, // ISPDB ispdb/hotmail.com.xml @24d0d00: SMTP 587 STARTTLS only, OAuth2 only
        {u"Yahoo Mail",           u"smtp.mail.yahoo.com",     u"465", tls,      works, u"needs an app password (Account Security, External connections, Create app password)",
            {u"yahoo.com", u"ymail.com", u"rocketmail.com", u"myyahoo.com", u"yahoo.co.uk", u"yahoo.fr", u"yahoo.de",
             u"yahoo.it", u"yahoo.es", u"yahoo.se", u"yahoo.co.in", u"yahoo.co.nz", u"yahoo.com.au", u"yahoo.com.br",
             u"yahoo.com.ar", u"yahoo.com.mx"}}, // ISPDB ispdb/yahoo.com.xml @5237779; note: help.yahoo.com/kb/generate-manage-rd-party-passwords-sln15241.html, read 2026-12-11
        {u"AOL Mail",             u"smtp.aol.com",            u"465", tls,      works, u"",
            {u"aol.com", u"aim.com", u"netscape.net", u"netscape.com", u"compuserve.com", u"cs.com", u"wmconnect.com",
             u"aol.co.uk", u"aol.de", u"aol.fr", u"aol.it", u"aol.es", u"aol.se", u"aol.co.nz", u"aol.com.au",
             u"aol.com.ar", u"aol.com.br", u"aol.com.mx"}}, // ISPDB ispdb/aol.com.xml @8fcab30
        {u"iCloud Mail",          u"smtp.mail.me.com",        u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"icloud.com", u"me.com", u"mac.com"}}, // ISPDB ispdb/me.com.xml @4e19596
        {u"Zoho Mail",            u"smtp.zoho.com",           u"465", tls,      works, u"",
            {u"zoho.com", u"zohomail.com"}}, // ISPDB ispdb/zoho.com.xml @0415b01
        {u"GMX",                  u"mail.gmx.com",            u"465", tls,      works, u"",
            {u"gmx.com", u"gmx.us", u"gmx.co.uk", u"gmx.ie", u"gmx.fr", u"gmx.es", u"gmx.pt", u"gmx.it", u"gmx.se",
             u"gmx.ru", u"gmx.com.tr", u"gmx.ca", u"gmx.com.br", u"gmx.co.in", u"gmx.cn"}}, // ISPDB ispdb/gmx.com.xml @acf19e5
        {u"mail.com",             u"smtp.mail.com",           u"465", tls,      works, u"",
            {u"mail.com", u"email.com", u"post.com", u"usa.com", u"mail.org", u"myself.com", u"europe.com", u"london.com",
             u"consultant.com", u"engineer.com", u"dr.com", u"techie.com", u"writeme.com", u"iname.com"}}, // ISPDB ispdb/mail.com.xml @acf19e5
        {u"Posteo",               u"posteo.de",               u"465", tls,      works, u"",
            {u"posteo.de", u"posteo.net", u"posteo.eu", u"posteo.at", u"posteo.ch", u"posteo.com", u"posteo.co.uk",
             u"posteo.nl", u"posteo.se", u"posteo.dk", u"posteo.es", u"posteo.it", u"posteo.pt"}}, // ISPDB ispdb/posteo.de.xml @310447e
        // Australia
        {u"Telstra Mail",         u"smtp.telstra.com",        u"465", tls,      works, u"",
            {u"bigpond.com", u"bigpond.net.au", u"bigpond.net", u"telstra.com"}}, // ISPDB ispdb/bigpond.com.xml @4de464f
        // Austria
        {u"A1",                   u"securemail.a1.net",       u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"a1.net", u"aon.at"}}, // ISPDB ispdb/a1.net.xml @b57df2b
        // Brazil
        {u"UOL",                  u"smtps.uol.com.br",        u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"uol.com.br"}}, // ISPDB uol.com.br @16be473
        {u"BOL",                  u"smtps.bol.com.br",        u"465", tls,      works, u"",
            {u"bol.com.br"}}, // ISPDB ispdb/bol.com.br @c0708c2
        // Canada
        {u"Bell",                 u"smtphm.sympatico.ca",     u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"bell.net", u"sympatico.ca"}}, // ISPDB ispdb/bell.net.xml @29478e8
        // China
        {u"QQ Mail",              u"smtp.qq.com",             u"465", tls,      works, u"",
            {u"qq.com"}}, // ISPDB ispdb/qq.com.xml @9951bf2
        // Czech Republic
        {u"Seznam",               u"smtp.seznam.cz",          u"465", tls,      works, u"",
            {u"seznam.cz", u"email.cz", u"post.cz", u"spoluzaci.cz"}}, // ISPDB seznam.cz @0c47e31
        // Denmark
        {u"YouSee Mail",          u"asmtp.mail.dk",           u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"mail.dk"}}, // ISPDB ispdb/mail.dk.xml @ef3520a
        // Estonia
        {u"Mail.ee",              u"mail.ee",                 u"465", tls,      works, u"needs POP3/IMAP and SMTP access enabled in the account's settings",
            {u"mail.ee"}}, // ISPDB ispdb/mail.ee.xml @4494986 (server: the domain; the note is its enable instruction)
        // France
        {u"Orange",               u"smtp.orange.fr",          u"465", tls,      works, u"",
            {u"orange.fr", u"wanadoo.fr"}}, // ISPDB ispdb/orange.fr.xml @7e9fbb1
        {u"Free",                 u"smtp.free.fr",            u"465", tls,      works, u"",
            {u"free.fr"}}, // ISPDB ispdb/free.fr.xml @0483396
        {u"SFR",                  u"smtp.sfr.fr",             u"465", tls,      works, u"",
            {u"sfr.fr", u"neuf.fr", u"club-internet.fr"}}, // ISPDB sfr.fr @bbcd0c7
        // Germany
        {u"GMX",                  u"mail.gmx.net",            u"465", tls,      works, u"needs POP3 and IMAP access allowed once in the mailbox's e-mail settings",
            {u"gmx.de", u"gmx.net", u"gmx.at", u"gmx.ch", u"gmx.eu", u"gmx.org", u"gmx.info", u"gmx.biz"}}, // ISPDB ispdb/gmx.net.xml @3568912 (the note is its enable instruction)
        {u"WEB.DE",               u"smtp.web.de",             u"465", tls,      works, u"needs POP3 and IMAP access allowed once in the mailbox's e-mail settings",
            {u"web.de"}}, // ISPDB ispdb/web.de.xml @22ae03c (the note is its enable instruction)
        {u"T-Online",             u"securesmtp.t-online.de",  u"465", tls,      works, u"needs its own E-Mail-Passwort: the password of the website and webmail does not work",
            {u"t-online.de", u"magenta.de"}}, // ISPDB ispdb/t-online.de.xml @8ed0212 (the note is its enable instruction)
        {u"freenet Mail",         u"mx.freenet.de",           u"465", tls,      works, u"needs \"POP3, IMAP und SMTP aktivieren\" ticked once in the mailbox's settings",
            {u"freenet.de"}}, // ISPDB ispdb/freenet.de.xml @0ef1ea3 (the note is its enable instruction)
        {u"1&1",                  u"smtp.1und1.de",           u"465", tls,      works, u"",
            {u"online.de", u"onlinehome.de", u"sofortstart.de", u"sofort-start.de", u"sofortsurf.de", u"sofort-surf.de",
             u"go4more.de"}}, // ISPDB ispdb/1und1.de.xml @73d2443
        // India
        {u"Rediffmail",           u"smtp.rediffmail.com",     u"465", tls,      works, u"",
            {u"rediffmail.com"}}, // ISPDB ispdb/rediffmail.com.xml @af7643b
        // Italy
        {u"Libero Mail",          u"smtp.libero.it",          u"465", tls,      works, u"",
            {u"libero.it", u"iol.it", u"blu.it", u"inwind.it", u"giallo.it"}}, // ISPDB ispdb/libero.it @c0708c2
        {u"Virgilio Mail",        u"out.virgilio.it",         u"465", tls,      works, u"",
            {u"virgilio.it"}}, // ISPDB ispdb/virgilio.it.xml @7e9fbb1
        {u"Tiscali Mail",         u"smtp.tiscali.it",         u"465", tls,      fails, u"accepts mail only from connections of its own network",
            {u"tiscali.it"}}, // ISPDB ispdb/tiscali.it.xml @42e2de3: restriction client-IP-address
        {u"TIM Mail",             u"smtp.tim.it",             u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"tim.it"}}, // ISPDB ispdb/tim.it.xml @3045d44
        {u"Alice Mail",           u"out.alice.it",            u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"alice.it"}}, // ISPDB ispdb/alice.it.xml @3a4526e
        {u"Fastweb",              u"smtp.fastwebnet.it",      u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"fastwebnet.it"}}, // ISPDB ispdb/fastwebnet.it.xml @3c10b74
        // Lithuania
        {u"Inbox.lt",             u"mail.inbox.lt",           u"465", tls,      works, u"needs POP3/IMAP and SMTP access enabled in the account's settings",
            {u"inbox.lt"}}, // ISPDB ispdb/inbox.lv.xml @4494986 (server: mail. and the domain; the note is its enable instruction)
        // Netherlands
        {u"KPN",                  u"smtp.kpnmail.nl",         u"465", tls,      works, u"",
            {u"kpnmail.nl", u"kpnplanet.nl", u"planet.nl", u"hetnet.nl", u"wxs.nl", u"freeler.nl", u"xs4all.nl",
             u"telfort.nl", u"tiscali.nl", u"tiscalimail.nl", u"tip.nl", u"snelnet.net"}}, // ISPDB ispdb/kpnmail.nl.xml @1a5e560
        {u"Ziggo",                u"smtp.ziggo.nl",           u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"ziggo.nl", u"ziggomail.com", u"casema.nl", u"home.nl", u"chello.nl", u"upcmail.nl", u"quicknet.nl",
             u"zeggis.nl", u"zeggis.com", u"zinders.nl", u"multiweb.nl", u"razcall.nl", u"razcall.com", u"hahah.nl"}}, // ISPDB ispdb/ziggo.nl.xml @4de464f
        // Poland
        {u"WP Poczta",            u"smtp.wp.pl",              u"465", tls,      works, u"",
            {u"wp.pl"}}, // ISPDB wp.pl (thunderbird/autoconfig)
        {u"Onet Poczta",          u"smtp.poczta.onet.pl",     u"465", tls,      works, u"",
            {u"onet.pl", u"onet.eu", u"op.pl", u"vp.pl", u"poczta.onet.pl", u"onet.com.pl", u"opoczta.pl", u"spoko.pl",
             u"autograf.pl", u"buziaczek.pl", u"amorki.pl", u"republika.pl", u"adres.pl", u"cyberia.pl", u"pseudonim.pl"}}, // ISPDB ispdb/onet.pl @f5e2cff
        {u"o2 Poczta",            u"poczta.o2.pl",            u"465", tls,      fails, u"accepts mail only from connections of its own network",
            {u"o2.pl", u"go2.pl", u"tlen.pl", u"prokonto.pl"}}, // ISPDB ispdb/o2.pl.xml @f4bb422: restriction client-IP-address on every SMTP server
        // Portugal
        {u"SAPO Mail",            u"smtp.sapo.pt",            u"465", tls,      works, u"",
            {u"sapo.pt", u"meo.pt"}}, // ISPDB ispdb/sapo.pt @a495cc7
        // Russia
        {u"Mail.ru",              u"smtp.mail.ru",            u"465", tls,      works, u"",
            {u"mail.ru", u"inbox.ru", u"list.ru", u"bk.ru"}}, // ISPDB ispdb/mail.ru @de8e08d
        {u"Yandex Mail",          u"smtp.yandex.com",         u"465", tls,      works, u"needs an app password for mail programs (Yandex ID, account management)",
            {u"yandex.ru", u"yandex.com", u"ya.ru", u"yandex.ua", u"yandex.by", u"yandex.kz", u"yandex.net", u"narod.ru"}}, // ISPDB ispdb/yandex.ru.xml @9951bf2; note: yandex.com/support/passport/authorization/app-passwords.html, read 2026-12-11
        {u"Rambler",              u"smtp.rambler.ru",         u"465", tls,      works, u"",
            {u"rambler.ru"}}, // ISPDB ispdb/rambler.ru.xml @4de464f
        // United Kingdom
        {u"BT Mail",              u"mail.btinternet.com",     u"465", tls,      works, u"",
            {u"btinternet.com", u"btopenworld.com", u"talk21.com"}}, // ISPDB btinternet.com @a354cde
        {u"Virgin Media Mail",    u"smtp.ntlworld.com",       u"465", tls,      works, u"",
            {u"ntlworld.com"}}, // ISPDB ispdb/ntlworld.com.xml @8fcab30
        {u"Virgin Media Mail",    u"smtp.blueyonder.co.uk",   u"465", tls,      works, u"",
            {u"blueyonder.co.uk"}}, // ISPDB ispdb/blueyonder.co.uk @27a8989
        // United States
        {u"Xfinity (Comcast)",    u"smtp.comcast.net",        u"465", tls,      works, u"",
            {u"comcast.net"}}, // ISPDB ispdb/comcast.net.xml @e7802f0
        {u"AT&T",                 u"smtp.mail.att.net",       u"465", tls,      works, u"",
            {u"att.net", u"sbcglobal.net", u"bellsouth.net", u"pacbell.net", u"swbell.net", u"ameritech.net", u"flash.net",
             u"nvbell.net", u"prodigy.net", u"snet.net", u"wans.net", u"currently.com"}}, // ISPDB ispdb/att.net.xml @176c63a
        {u"Verizon (AOL Mail)",   u"smtp.aol.com",            u"465", tls,      works, u"",
            {u"verizon.net"}}, // ISPDB ispdb/verizon.net.xml @3052a98
        {u"Spectrum",             u"mobile.charter.net",      u"587", tls,      works, u"",
            {u"charter.net", u"spectrum.net", u"bresnan.net"}}, // ISPDB ispdb/charter.net.xml @0166cc0: TLS from the first byte on port 587
        {u"EarthLink",            u"smtpauth.earthlink.net",  u"587", startTls, fails, u"accepts mail from devices only with STARTTLS on port 587",
            {u"earthlink.net", u"mindspring.com", u"ix.netcom.com", u"peoplepc.com"}}, // ISPDB ispdb/earthlink.net.xml @37145b8
    };
    // clang-format on
    return table;
}
