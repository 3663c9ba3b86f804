// mms and smtp: a setup built from the options, through the windows' carrier steps, then
// Generate, as the window's own.
#include "actions/generate.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/terminalhost.h"
#include "netcfg/destination.h"
#include "netcfg/section.h"

#include <QDir>
#include <QFileInfo>

#include <vector>

using namespace Qt::StringLiterals;

namespace cli {

QString optionName(QLatin1StringView key)
{
    const QString name = key;
    QString option;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool afterLower = i > 0 && name[i - 1].isLower();
        const bool beforeLower = i > 0 && i + 1 < name.size() && name[i + 1].isLower();
        if (name[i].isUpper() && (afterLower || beforeLower))
            option += u'-';
        option += name[i].toLower();
    }
    return option;
}

namespace {

QString keyDescription(const char *key, Filled filled)
{
    const QString written = u"Writes "_s + QLatin1String(key) + u"=<value>."_s;
    switch (filled) {
    case Filled::ByUser:
        return written;
    case Filled::ByProfile:
        return written + u" --country fills it from the operator's profile."_s;
    case Filled::ByProfileCredentials:
        return written + u" --country fills it where the operator's profile has an account."_s;
    case Filled::ByProfileMailServer:
        return written + u" --country fills it where the operator's profile has a mail server."_s;
    }
    return written;
}

// An option of the section's key.
template<typename Settings> struct KeyOption
{
    QCommandLineOption option;
    const SectionKey<Settings> &key;
    bool ssl() const { return qstrcmp(key.key, "SSL") == 0; }
};

// The country box's pick, then the operator box's, as the user makes them in the window:
// the operator left out is the country's default one.
template<typename Settings>
int chooseCarrier(SetupModel<Settings> &setup, const QString &command, const QString &countryName,
                  const std::optional<QString> &operatorText)
{
    const CountryEntry *country = findCountry(countryTable<Settings>(), countryName);
    if (!country) {
        return usageError(command,
                          u"unknown country \"%1\". List the countries with: %2 carriers %3"_s.arg(
                              countryName, kProgram, command));
    }
    const QString listOperators = u"List its operators with: %1 carriers %2 --country \"%3\""_s.arg(
        kProgram, command, country->name);
    std::optional<QString> operatorName;
    if (operatorText) {
        operatorName = findName(country->operators, *operatorText);
        if (!operatorName) {
            return usageError(command,
                              u"%1 has no operator \"%2\". "_s.arg(country->name, *operatorText)
                                  + listOperators);
        }
    } else if (country->defaultOperator.isEmpty()
               && !profileValues<Settings>(country->name, QString())) {
        return usageError(
            command,
            u"%1 has no default operator: name yours with --operator. "_s.arg(country->name)
                + listOperators);
    }

    setup.country = country->name;
    ChooseCountry(setup);
    if (operatorName) {
        setup.operatorName = *operatorName;
        ChooseOperator(setup);
    }
    return Done;
}

template<typename Settings> int writeCommand(const QStringList &arguments)
{
    const QString section = sectionHeader<Settings>();
    const QString command = QString(Section<Settings>::name).toLower();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes NET.CFG with the %1 section, as the %2 window's Generate does."_s.arg(
            section, command.toUpper()));
    const QCommandLineOption help = addHelp(parser);
    const QCommandLineOption country(
        u"country"_s,
        u"Fills the connection keys from the profile of the country's default operator (or "
        "its only profile), as picking the country in the window does."_s,
        u"name"_s);
    const QCommandLineOption operatorOption(
        u"operator"_s,
        u"With --country: the profile of this operator instead, as picking it does."_s, u"name"_s);
    parser.addOptions({country, operatorOption});

    std::vector<KeyOption<Settings>> keyOptions;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        KeyOption<Settings> option {QCommandLineOption(optionName(QLatin1StringView(key.key))),
                                    key};
        option.option.setDescription(
            option.ssl() ? u"yes writes SSL=1, no writes SSL=0. Left out: 1, unless --country's "
                           "profile says otherwise."_s
                         : keyDescription(key.key, key.filled));
        option.option.setValueName(option.ssl() ? u"yes|no"_s : u"value"_s);
        parser.addOption(option.option);
        keyOptions.push_back(option);
    }
    const QCommandLineOption outOption(
        u"out"_s,
        u"The card's folder, which gets PATH/NET.CFG; any other PATH is read as the window's "
        "Path field: NET.CFG replaces what follows its last /."_s,
        u"path"_s);
    parser.addOption(outOption);

    if (!parser.parse(arguments))
        return parseError(command, parser);
    if (parser.isSet(help)) {
        print(stdout, helpText(parser, command + u" [options] --out PATH"_s));
        return Done;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            command,
            u"unexpected argument \"%1\": values go after their option, "
            "quoted where they hold spaces."_s.arg(parser.positionalArguments().first()));
    }
    const QString outPath = parser.value(outOption);
    if (outPath.isEmpty()) {
        return usageError(command,
                          u"--out PATH is missing: name the card's folder, or the NET.CFG "
                          "file on it."_s);
    }
    if (parser.isSet(operatorOption) && !parser.isSet(country))
        return usageError(command, u"--operator needs --country."_s);

    SetupModel<Settings> setup = openedSetup<Settings>();
    if (parser.isSet(country)) {
        const std::optional<QString> operatorName = parser.isSet(operatorOption)
            ? std::optional(parser.value(operatorOption))
            : std::nullopt;
        if (const int status = chooseCarrier(setup, command, parser.value(country), operatorName);
            status != Done)
            return status;
    }
    for (const KeyOption<Settings> &option : keyOptions) {
        if (!parser.isSet(option.option))
            continue;
        QString value = parser.value(option.option);
        if (option.ssl()) {
            // The SSL box's two entries.
            if (value.compare(u"yes", Qt::CaseInsensitive) == 0)
                value = kSslYes;
            else if (value.compare(u"no", Qt::CaseInsensitive) == 0)
                value = kSslNo;
            else
                return usageError(command, u"--ssl takes yes or no, not \"%1\"."_s.arg(value));
        }
        setup.settings.*option.key.value = value;
    }
    // The folder button's text for a folder, or PATH as if typed into the Path field.
    const QString pathText = QFileInfo(outPath).isDir()
        ? pathFieldForFolder(QDir::toNativeSeparators(outPath), platformSeparators(),
                             QDir::separator())
        : outPath;

    TerminalHost host;
    SslValue fresh;
    StoredFileWriter writer;
    return Generate(host, fileSettings(setup, fresh), pathText, writer) ? Done : Failed;
}

} // namespace

int mmsCommand(const QStringList &arguments)
{
    return writeCommand<MmsSettings>(arguments);
}

int smtpCommand(const QStringList &arguments)
{
    return writeCommand<SmtpSettings>(arguments);
}

} // namespace cli
