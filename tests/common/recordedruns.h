#pragma once

// Whole runs of a setup window, each with the file it writes as literal lines. tst_endtoend
// makes them through the real window; tst_commandline gives the command line the same
// country, operator and values, which must write the same bytes.

#include "netcfg/netcfg.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// A value as the window's user types it, and as the command line takes it.
struct TypedValue
{
    QString control;
    QString option;
    QString text;
};

struct RecordedRun
{
    const char *name;
    bool smtp;
    QStringList earlier; // the window only: a country, then an operator, picked before country
    QString country; // picked with the mouse; empty: none
    QString operatorName; // picked with the keyboard; empty: the default
    QList<TypedValue> manual; // typed in Manual mode, then back to Auto; empty: Auto
    QList<TypedValue> typed;
    QString ssl; // picked in the SSL box; empty: left at "YES"
    QStringList lines; // the file's plain lines
};
Q_DECLARE_METATYPE(RecordedRun)

inline const QList<RecordedRun> &recordedRuns()
{
    // clang-format off
    static const QList<RecordedRun> runs {
        {"MMS: Germany, then T-Mobile with its account",
         false, {}, "Germany", "T-Mobile", {},
         {{"Text7", "--phone1", "+49 170 1234567"}, {"Text8", "--phone2", "0170 7654321"},
          {"Text12", "--email1", "camera@example.org"}, {"Text14", "--email3", "third@example.org"}},
         {},
         {"[MMS]", "URL=http://mms.t-mobile.de/servlets/mms", "APN=internet.t-mobile",
          "IP=172.28.23.131", "Port=8008",
          "Phone1=+49 170 1234567", "Phone2=0170 7654321", "Phone3=", "Phone4=", "Phone5=",
          "Email1=camera@example.org", "Email2=", "Email3=third@example.org", "Email4=", "Email5=",
          "APNAccount=t-mobile", "APNPassword=tm"}},
        {"MMS: Canada, then values typed in Manual mode, back to Auto",
         false, {}, "Canada", {},
         {{"Text1", "--apn", "my.apn"}, {"Text2", "--apn-password", "secret"},
          {"Text3", "--apn-account", "user"}, {"Text4", "--url", "http://10.0.0.1:8002/mms"},
          {"Text5", "--ip", "010.000.000.172"}, {"Text6", "--port", "9201"}},
         {{"Text7", "--phone1", "5550001"}, {"Text11", "--phone5", " 5 "},
          {"Text12", "--email1", "me@example.org"}, {"Text16", "--email5", "five@example.org"}},
         {},
         {"[MMS]", "URL=http://10.0.0.1:8002/mms", "APN=my.apn", "IP=010.000.000.172",
          "Port=9201",
          "Phone1=5550001", "Phone2=", "Phone3=", "Phone4=", "Phone5= 5 ",
          "Email1=me@example.org", "Email2=", "Email3=", "Email4=", "Email5=five@example.org",
          "APNAccount=user", "APNPassword=secret"}},
        {"SMTP: Slovakia, then O2 with its mail server",
         true, {}, "Slovakia", "O2", {},
         {{"Text6", "--sender", "camera@example.org"}, {"Text17", "--password", "pa=ss"},
          {"Text7", "--phone1", "+421 900 000 000"}, {"Text12", "--email1", "me@example.org"},
          {"Text13", "--email2", "you@example.org"}},
         {},
         {"[SMTP]", "APN=o2internet", "Server=smtp.o2.sk", "Port=25",
          "Sender=camera@example.org", "Password=pa=ss",
          "Email1=me@example.org", "Email2=you@example.org", "Email3=", "Email4=", "Email5=",
          "SSL=0", "Phone1=+421 900 000 000", "APNAccount=", "APNPassword="}},
        {"SMTP: Canada, then Roger with its account",
         true, {}, "Canada", "Roger", {},
         {{"Text4", "--server", "smtp.example.org"}, {"Text5", "--port", "465"},
          {"Text6", "--sender", "cam@example.org"}, {"Text17", "--password", "secret"},
          {"Text7", "--phone1", "5551234"}, {"Text12", "--email1", "me@example.org"}},
         {},
         {"[SMTP]", "APN=internet.com", "Server=smtp.example.org", "Port=465",
          "Sender=cam@example.org", "Password=secret",
          "Email1=me@example.org", "Email2=", "Email3=", "Email4=", "Email5=",
          "SSL=1", "Phone1=5551234", "APNAccount=wapuser1", "APNPassword=wap"}},
        {"SMTP: Canada, then values typed in Manual mode, back to Auto",
         true, {}, "Canada", {},
         {{"Text1", "--apn", "data.apn"}, {"Text2", "--apn-account", "user"},
          {"Text3", "--apn-password", "secret"}},
         {{"Text4", "--server", "mail.example.org"}, {"Text5", "--port", "587"},
          {"Text6", "--sender", "cam@example.org"}, {"Text17", "--password", "pw"},
          {"Text7", "--phone1", "12345"}, {"Text12", "--email1", "me@example.org"},
          {"Text16", "--email5", "last@example.org"}},
         "NO",
         {"[SMTP]", "APN=data.apn", "Server=mail.example.org", "Port=587",
          "Sender=cam@example.org", "Password=pw",
          "Email1=me@example.org", "Email2=", "Email3=", "Email4=", "Email5=last@example.org",
          "SSL=0", "Phone1=12345", "APNAccount=user", "APNPassword=secret"}},
        {"SMTP: Canada and Roger first, then Czech Republic, whose profile has no account",
         true, {"Canada", "Roger"}, "Czech Republic", {}, {},
         {{"Text4", "--server", "smtp.example.cz"}, {"Text5", "--port", "25"},
          {"Text6", "--sender", "cam@example.cz"}, {"Text17", "--password", "heslo"},
          {"Text7", "--phone1", "+420 601 000 000"}, {"Text12", "--email1", "me@example.cz"}},
         {},
         {"[SMTP]", "APN=internet.t-mobile.cz", "Server=smtp.example.cz", "Port=25",
          "Sender=cam@example.cz", "Password=heslo",
          "Email1=me@example.cz", "Email2=", "Email3=", "Email4=", "Email5=",
          "SSL=1", "Phone1=+420 601 000 000", "APNAccount=", "APNPassword="}},
    };
    // clang-format on
    return runs;
}

// The stored NET.CFG of these plain lines, each ended by CR LF.
inline QByteArray storedFile(const QStringList &lines)
{
    QByteArray plain;
    for (const QString &line : lines)
        plain += line.toLatin1() + "\r\n";
    const Result<QByteArray> stored = EncodeNetCfg(plain);
    return stored ? *stored : QByteArray();
}

// The lines of a stored file read back as plain text, so that a difference reads as a line.
inline QStringList plainLines(const QByteArray &stored)
{
    QByteArray plain;
    for (const char byte : stored) {
        const auto b = uchar(byte);
        if (b >= 0x0F && b <= 0x18)
            plain += char(b + 33); // digits
        else if (b >= 0x80 && b <= 0x99)
            plain += char(b - 31); // lower case
        else if (b >= 0x61 && b <= 0x7A)
            plain += char(b - 32); // upper case
        else if (const qsizetype at = QByteArray("\xFF\xFE\xFD\xFC\xFB\xF1\xF2").indexOf(byte);
                 at >= 0)
            plain += "[]@=.\n\r"[at];
        else
            plain += byte;
    }
    QStringList lines = QString::fromLatin1(plain).split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
