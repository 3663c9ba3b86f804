#include "cli/commandline.h"

#include "carriers/carriers.h"
#include "carriers/profiles.h"
#include "cli/memorycontrols.h"
#include "netcfg/destination.h"
#include "netcfg/fieldmap.h"
#include "netcfg/fileactions.h"
#include "netcfg/netcfg.h"
#include "netcfg/readnetcfg.h"
#include "netcfg/section.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum Status { Done = 0, Failed = 1, Usage = 2 };

const QString kProgram = u"camera-setting-tool"_s;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void out(const QString &text)
{
    print(stdout, text + u'\n');
}

void err(const QString &text)
{
    print(stderr, text + u'\n');
}

// Says what is wrong with a command's arguments and what to do instead.
int usageError(const QString &command, const QString &text)
{
    err(kProgram + u' ' + command + u": "_s + text);
    return Usage;
}

int parseError(const QString &command, const QCommandLineParser &parser)
{
    return usageError(command,
                      parser.errorText() + u" See: "_s + kProgram + u' ' + command + u" --help"_s);
}

QCommandLineOption addHelp(QCommandLineParser &parser)
{
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays this help."_s);
    parser.addOption(help);
    return help;
}

// A command's help: its usage line in place of Qt's, which names the program only.
QString helpText(const QCommandLineParser &parser, const QString &usage)
{
    const QString text = parser.helpText();
    return u"Usage: "_s + kProgram + u' ' + usage + text.mid(text.indexOf(u'\n'));
}

// The option of a key: lower case, with a hyphen where a word starts ("APNAccount" is
// "apn-account", "Email1" is "email1").
QString optionName(const char *key)
{
    const QString name = QString::fromLatin1(key);
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

// The name of names that is name; failing that, the only one that is name in another case.
std::optional<QString> findName(const QStringList &names, const QString &name)
{
    if (names.contains(name))
        return name;
    QStringList matches;
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(candidate);
    }
    return matches.size() == 1 ? std::optional(matches.first()) : std::nullopt;
}

const CountryEntry *findCountry(const CountryTable &table, const QString &name)
{
    const std::optional<QString> found = findName(countryNames(table), name);
    if (!found)
        return nullptr;
    return &*std::find_if(table.begin(), table.end(),
                          [&](const CountryEntry &entry) { return entry.name == *found; });
}

template<typename Settings>
const Field<Settings> *fieldOf(const FieldMap<Settings> &map, QString Settings::*value)
{
    const auto field = std::find_if(map.fields.begin(), map.fields.end(),
                                    [&](const Field<Settings> &f) { return f.value == value; });
    return field == map.fields.end() ? nullptr : &*field;
}

// What tells the two setup windows apart.
template<typename Settings> struct Window;

template<> struct Window<MmsSettings>
{
    static QString command() { return u"mms"_s; }
    static QString section() { return u"[MMS]"_s; }
    static const FieldMap<MmsSettings> &map() { return mmsFieldMap(); }
    static const auto &keys() { return Section<MmsSettings>::keys; }
    static const CountryTable &countries() { return mms::countryTable(); }
    static void chooseCountry(NamedControls &controls) { mms::ChooseCountry(controls); }
    static void chooseOperator(NamedControls &controls) { mms::ChooseOperator(controls); }
    static bool hasProfile(const QString &country, const QString &operatorName)
    {
        return findMmsProfile(country, operatorName);
    }
    // The window's controls as it opens, as far as Generate reads them: all empty.
    static void open(MemoryControls &) { }
    static MmsSettings settings(const NamedControls &controls)
    {
        return readSettings(controls, mmsFieldMap());
    }
};

template<> struct Window<SmtpSettings>
{
    static QString command() { return u"smtp"_s; }
    static QString section() { return u"[SMTP]"_s; }
    static const FieldMap<SmtpSettings> &map() { return smtpFieldMap(); }
    static const auto &keys() { return Section<SmtpSettings>::keys; }
    static const CountryTable &countries() { return smtp::countryTable(); }
    static void chooseCountry(NamedControls &controls) { smtp::ChooseCountry(controls); }
    static void chooseOperator(NamedControls &controls) { smtp::ChooseOperator(controls); }
    static bool hasProfile(const QString &country, const QString &operatorName)
    {
        return findDataProfile(country, operatorName);
    }
    static QString sslBox() { return fieldOf(map(), &SmtpSettings::SSL)->control; }
    // As the window opens, its SSL box says "YES"; every other field is empty.
    static void open(MemoryControls &controls) { controls.setText(sslBox(), u"YES"_s); }
    // What Generate writes in the run's first Generate.
    static SmtpSettings settings(const NamedControls &controls)
    {
        SslValue fresh;
        return readSmtpSettings(controls, fresh);
    }
};

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

// The country box's pick, then the operator box's, as the user makes them in the window:
// the operator left out is the country's default one.
template<typename Settings>
int chooseCarrier(MemoryControls &controls, const QString &countryName,
                  const std::optional<QString> &operatorText)
{
    using W = Window<Settings>;
    const QString command = W::command();
    const CountryEntry *country = findCountry(W::countries(), countryName);
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
    } else if (country->defaultOperator.isEmpty() && !W::hasProfile(country->name, QString())) {
        return usageError(
            command,
            u"%1 has no default operator: name yours with --operator. "_s.arg(country->name)
                + listOperators);
    }

    const FieldMap<Settings> &map = W::map();
    controls.setText(map.countryBox, country->name);
    W::chooseCountry(controls);
    if (operatorName) {
        controls.setText(map.operatorBox, *operatorName);
        W::chooseOperator(controls);
    }
    return Done;
}

// mms and smtp: the window's run, from the country box's pick to Generate.
template<typename Settings> int writeCommand(const QStringList &arguments)
{
    using W = Window<Settings>;
    const QString command = W::command();
    const FieldMap<Settings> &map = W::map();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes NET.CFG with the %1 section, as the %2 window's Generate does."_s.arg(
            W::section(), command.toUpper()));
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

    struct KeyOption
    {
        QCommandLineOption option;
        QString control;
        bool ssl;
    };
    std::vector<KeyOption> keyOptions;
    QHash<QString, QString> optionOfControl; // names a refused value
    for (const SectionKey<Settings> &key : W::keys()) {
        const Field<Settings> *field = fieldOf(map, key.value);
        if (!field)
            continue; // no window field holds it: it stays empty, as in the window
        bool ssl = false;
        if constexpr (std::is_same_v<Settings, SmtpSettings>)
            ssl = key.value == &SmtpSettings::SSL;
        const QString name = optionName(key.key);
        const QString description = ssl
            ? u"yes writes SSL=1, no writes SSL=0. Left out: 1, unless --country's profile "
              "says otherwise."_s
            : keyDescription(key.key, field->filled);
        keyOptions.push_back({QCommandLineOption(name, description, ssl ? u"yes|no"_s : u"value"_s),
                              field->control, ssl});
        optionOfControl.insert(field->control, u"--"_s + name);
        parser.addOption(keyOptions.back().option);
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

    MemoryControls controls;
    W::open(controls);
    if (parser.isSet(country)) {
        const std::optional<QString> operatorName = parser.isSet(operatorOption)
            ? std::optional(parser.value(operatorOption))
            : std::nullopt;
        if (const int status
            = chooseCarrier<Settings>(controls, parser.value(country), operatorName);
            status != Done)
            return status;
    }
    for (const KeyOption &key : keyOptions) {
        if (!parser.isSet(key.option))
            continue;
        QString value = parser.value(key.option);
        if (key.ssl) {
            // The SSL box's two entries.
            if (value.compare(u"yes", Qt::CaseInsensitive) == 0)
                value = u"YES"_s;
            else if (value.compare(u"no", Qt::CaseInsensitive) == 0)
                value = u"NO"_s;
            else
                return usageError(command, u"--ssl takes yes or no, not \"%1\"."_s.arg(value));
        }
        controls.setText(key.control, value);
    }
    // The folder button's text for a folder, or PATH as if typed into the Path field.
    const QString pathText = QFileInfo(outPath).isDir()
        ? pathFieldForFolder(QDir::toNativeSeparators(outPath), platformSeparators(),
                             QDir::separator())
        : outPath;

    const Settings settings = W::settings(controls);
    for (const QString &warning : recipientWarnings(settings))
        err(warning);
    StoredFileWriter writer;
    const GenerateResult result = writeSection(
        settings, [&](const QString &control) { return optionOfControl.value(control, control); },
        pathText, writer);
    if (!result.written) {
        err(result.message);
        return Failed;
    }
    out(result.message);
    return Done;
}

// The values that picking this country and operator writes, as the file's key=value lines.
template<typename Settings>
QStringList profileLines(const CountryEntry &country, const QString &operatorName)
{
    using W = Window<Settings>;
    MemoryControls controls;
    W::open(controls);
    controls.setText(W::map().countryBox, country.name);
    controls.setText(W::map().operatorBox, operatorName);
    controls.forgetWrites();
    W::chooseOperator(controls);
    const Settings settings = W::settings(controls);
    QStringList lines;
    for (const SectionKey<Settings> &key : W::keys()) {
        const Field<Settings> *field = fieldOf(W::map(), key.value);
        if (field && controls.written(field->control))
            lines.append(QLatin1String(key.key) + u'=' + settings.*key.value);
    }
    return lines;
}

// A country's operators in the window's list order, the default marked, each with its values.
template<typename Settings> int listOperators(const QString &countryName)
{
    using W = Window<Settings>;
    const CountryEntry *country = findCountry(W::countries(), countryName);
    if (!country) {
        return usageError(u"carriers"_s,
                          u"unknown country \"%1\". List the countries with: %2 carriers"_s.arg(
                              countryName, kProgram));
    }
    QStringList lines {W::section()};
    for (const QString &operatorName : country->operators) {
        lines.append(operatorName == country->defaultOperator ? operatorName + u" (default)"_s
                                                              : operatorName);
        for (const QString &line : profileLines<Settings>(*country, operatorName))
            lines.append(u"    "_s + line);
    }
    out(lines.join(u'\n'));
    return Done;
}

int carriersCommand(const QStringList &arguments)
{
    const QString command = u"carriers"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Lists the countries of the carrier database, one a line. With --country: the\n"
        "country's operators in the window's order, its default one marked, and under\n"
        "each the key=value lines that picking it writes."_s);
    const QCommandLineOption help = addHelp(parser);
    const QCommandLineOption country(u"country"_s, u"The country whose operators to list."_s,
                                     u"name"_s);
    parser.addOption(country);
    parser.addPositionalArgument(
        u"window"_s, u"mms or smtp: that window's table. Left out: both."_s, u"[mms|smtp]"_s);
    if (!parser.parse(arguments))
        return parseError(command, parser);
    if (parser.isSet(help)) {
        print(stdout, helpText(parser, u"carriers [mms|smtp] [--country NAME]"_s));
        return Done;
    }
    const QStringList windows = parser.positionalArguments();
    if (windows.size() > 1
        || (windows.size() == 1 && windows[0] != u"mms" && windows[0] != u"smtp")) {
        return usageError(
            command,
            u"unexpected argument \"%1\": name the window, mms or smtp, or none."_s.arg(
                windows.value(windows.size() - 1)));
    }
    const bool mmsWindow = windows.isEmpty() || windows[0] == u"mms";
    const bool smtpWindow = windows.isEmpty() || windows[0] == u"smtp";

    if (!parser.isSet(country)) {
        QStringList names;
        if (mmsWindow)
            names += countryNames(mms::countryTable());
        if (smtpWindow)
            names += countryNames(smtp::countryTable());
        names.removeDuplicates();
        out(names.join(u'\n'));
        return Done;
    }
    if (mmsWindow) {
        if (const int status = listOperators<MmsSettings>(parser.value(country)); status != Done)
            return status;
    }
    if (mmsWindow && smtpWindow)
        out(QString());
    return smtpWindow ? listOperators<SmtpSettings>(parser.value(country)) : Done;
}

// A section as plain text: its header, then one key=value line per key, each ended by LF.
template<typename Settings> QString sectionText(const Settings &settings)
{
    QString text = sectionHeader<Settings>() + u'\n';
    for (const SectionKey<Settings> &key : Section<Settings>::keys)
        text += QLatin1String(key.key) + u'=' + settings.*key.value + u'\n';
    return text;
}

int readCommand(const QStringList &arguments)
{
    const QString command = u"read"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints the settings that the camera reads from NET.CFG: its section, then one\n"
        "key=value line per key, passwords included."_s);
    const QCommandLineOption help = addHelp(parser);
    parser.addPositionalArgument(u"path"_s, u"NET.CFG, or the card's folder that holds it."_s);
    if (!parser.parse(arguments))
        return parseError(command, parser);
    if (parser.isSet(help)) {
        print(stdout, helpText(parser, u"read PATH"_s));
        return Done;
    }
    if (parser.positionalArguments().size() != 1)
        return usageError(command, u"name one NET.CFG, or the card's folder: read PATH."_s);
    const QString path = parser.positionalArguments().first();
    const QString file = QFileInfo(path).isDir() ? QDir(path).filePath(u"NET.CFG"_s) : path;

    const Result<NetCfgFile> read = ReadNetCfg(file);
    if (!read) {
        err(read.reason());
        return Failed;
    }
    std::visit([](const auto &settings) { print(stdout, sectionText(settings)); }, read->settings);
    if (!read->repeatedKeys.isEmpty())
        err(kProgram
            + u" read: NET.CFG gives %1 more than once; the first line of each counts."_s.arg(
                read->repeatedKeys.join(u", "_s)));
    return Done;
}

const QString kHelp = u"Usage: camera-setting-tool [COMMAND [options]]\n"
                      "\n"
                      "Writes the NET.CFG network settings file of a cellular trail camera. "
                      "Without a command it\n"
                      "opens the setup windows; a command needs no display.\n"
                      "\n"
                      "Commands:\n"
                      "  mms [options] --out PATH    writes NET.CFG with an [MMS] section\n"
                      "  smtp [options] --out PATH   writes NET.CFG with an [SMTP] section\n"
                      "  read PATH                   prints the settings that the camera reads\n"
                      "  carriers [mms|smtp] [--country NAME]\n"
                      "                              lists the countries, or a country's "
                      "operators\n"
                      "\n"
                      "Options:\n"
                      "  -h, --help     Displays this help; COMMAND --help: the command's "
                      "options.\n"
                      "  -v, --version  Displays version information.\n"
                      "\n"
                      "Exit status: 0 done, 1 NET.CFG could not be written (the card is "
                      "unchanged), 2 a usage\n"
                      "error. See camera-setting-tool(1).\n"_s;

int run(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Everything after the command is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = addHelp(parser);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        err(kProgram + u": "_s + parser.errorText() + u" See: "_s + kProgram + u" --help"_s);
        return Usage;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help) || (positional.isEmpty() && !parser.isSet(version))) {
        print(stdout, kHelp);
        return Done;
    }
    if (parser.isSet(version)) {
        out(kProgram + u' ' + QCoreApplication::applicationVersion());
        return Done;
    }
    const QString command = positional.first();
    const QStringList commandArguments = QStringList {arguments.first()} + positional.mid(1);
    if (command == u"mms")
        return writeCommand<MmsSettings>(commandArguments);
    if (command == u"smtp")
        return writeCommand<SmtpSettings>(commandArguments);
    if (command == u"read")
        return readCommand(commandArguments);
    if (command == u"carriers")
        return carriersCommand(commandArguments);
    err(kProgram
        + u": unknown command \"%1\". The commands are mms, smtp, read and carriers; "
          "see: %2 --help"_s.arg(command, kProgram));
    return Usage;
}

} // namespace

bool isCommandLine(int argc, const char *const argv[])
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    if (first[0] != '-')
        return true;
    for (const char *option : {"-h", "--help", "-v", "--version"}) {
        if (std::strcmp(first, option) == 0)
            return true;
    }
    return false;
}

int runCommandLine(int argc, char *argv[])
{
    // QtCore's application only: it decodes the arguments and loads no platform plugin.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    return run(QCoreApplication::arguments());
}
