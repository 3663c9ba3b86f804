#pragma once

#include "netcfg/namedcontrols.h"
#include "netcfg/section.h"
#include "netcfg/settings.h"
#include "netcfg/storedfilewriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What the two file actions need of a setup window: its controls with their labels, and its
// two dialogs. The window implements it with its widgets and Qt's dialogs; tests with a
// recording fake.
class FileActionHost : public NamedControls
{
public:
    // The caption of the label that names a field, as the window shows it now ("Phone 1").
    virtual QString labelOf(const QString &name) const = 0;

    // A modal message with the application title and one OK button; returns after OK.
    virtual void showMessage(const QString &text) = 0;

    // The folder browser (directories only, owned by the window) under this title.
    // Returns the chosen folder, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(const QString &title) = 0;
};

inline const QString kApplicationTitle = QStringLiteral("VX412 Setting Tools");

// The folder button: fills pathField from the folder browser, or empties it on cancel.
void ChooseFolder(FileActionHost &host, const QString &pathField);

// Generate: warns about an empty Phone 1 or Email 1, then writes the window's [MMS] or
// [SMTP] section where its Path field says (see mmsFieldMap(), smtpFieldMap()), and says
// whether that worked. A value that the camera would not read as typed is refused, naming
// its field by its label (netcfg/faithful.h), and nothing is written. The SMTP section's SSL
// value is set from the SSL box and kept in ssl.
void GenerateMms(FileActionHost &host, StoredFileWriter &writer);
void GenerateMms(FileActionHost &host);
void GenerateSmtp(FileActionHost &host, SslValue &ssl, StoredFileWriter &writer);
void GenerateSmtp(FileActionHost &host, SslValue &ssl);

// Generate's steps once the settings are read, shared by the windows and the command line.

// The reminders given before writing, in order: "Need Phone Number Input" when Phone 1 is
// empty, "Need Email Input" when Email 1 is empty. The file is written all the same.
QStringList recipientWarnings(const MmsSettings &settings);
QStringList recipientWarnings(const SmtpSettings &settings);

// Names a field of the window's field map, given by its control, to the user.
using FieldLabel = std::function<QString(const QString &control)>;

struct GenerateResult
{
    bool written = false;
    // "Create configure file success.", or "Create configure file failed." and the reason
    // on the next lines.
    QString message;
};

// Checks every value, naming a refused one by labelOf (nothing is written then), and writes
// the section where pathText, read as the Path field's text, says (destination.h).
GenerateResult writeSection(const MmsSettings &settings, const FieldLabel &labelOf,
                            const QString &pathText, StoredFileWriter &writer);
GenerateResult writeSection(const SmtpSettings &settings, const FieldLabel &labelOf,
                            const QString &pathText, StoredFileWriter &writer);

// The SMTP window's settings as Generate writes them: SSL "1" for the SSL box's "YES", "0"
// for its "NO"; any other text keeps ssl, the value last set in this run.
SmtpSettings readSmtpSettings(const NamedControls &controls, SslValue &ssl);
