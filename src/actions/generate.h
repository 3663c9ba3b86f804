#pragma once

#include "actions/actionhost.h"
#include "carriers/mailproviders.h"
#include "carriers/setupmodel.h"
#include "netcfg/storedfilewriter.h"

#include <QString>
#include <QStringList>

// Generate, in a setup window or from the command line.
//
// It reminds the user of an empty Phone 1 ("Need Phone Number Input") and Email 1 ("Need
// Email Input") and goes on. When a value that the camera needs to connect is empty (the APN;
// MMS: the URL, IP and port; SMTP: the server, port and sender), it asks once, naming them,
// whether to write anyway (ActionHost::confirm); No writes nothing and says nothing more. In
// Auto mode with no operator's profile picked, it names the missing pick instead of the
// hidden fields. So it asks when the SMTP server is that of a mail provider the camera cannot
// use (carriers/mailproviders.h), naming the provider and why.
// A value that the camera would not read back as typed
// (netcfg/faithful.h) is refused, naming its field (ActionHost::nameOf), and nothing is
// written. Otherwise the section goes where pathText, read as a window's Path field, says
// (netcfg/destination.h), through the card writer, and the user is told
// "Create configure file success." with the file's path as its detail, or "Create configure
// file failed." and the reason on the next lines. Returns whether the file was written.
// pathText is taken as it is: a window with an empty Path field asks for the folder first
// (ChooseFolder), so that the file never lands in a working directory nobody chose.
template<typename Settings>
bool Generate(ActionHost &host, const SetupModel<Settings> &setup, const QString &pathText,
              StoredFileWriter &writer);

// Why the camera cannot send through a provider and what to do instead: Generate's question
// without its "Write NET.CFG anyway?", and the command line's warning.
QString cameraCannotUse(const MailProvider &provider);
