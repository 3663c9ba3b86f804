#include "cli/setupoptions.h"

#include "actions/generate.h"
#include "carriers/carriers.h"
#include "cli/console.h"
#include "cli/optionname.h"
#include "cli/output.h"
#include "netcfg/netcfg.h"
#include "netcfg/section.h"

#include <QFile>

#include <cstdio>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

template<typename Settings> QString keyDescription(const SectionKey<Settings> &key)
{
    if (key.kind == KeyKind::Ssl)
        return u"yes writes SSL=1, no writes SSL=0. Left out: 1, unless --country's profile "
               "says otherwise."_s;
    const QString written = u"Writes "_s + key.key() + u"=<value>."_s;
    switch (key.filled) {
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

// The first line of a password file, without its line break; "-" is standard input. A file
// that others may read is used, with a warning, as OpenSSH does for its keys.
Result<QString> readPasswordFile(const QString &option, const QString &path)
{
    QFile file;
    if (path != u"-") {
        if (const QString why = console::notASecretFile(path); !why.isEmpty())
            return Failure {u"%1: %2 %3."_s.arg(option, path, why)};
        if (const QString mode = console::modeReadableByOthers(path); !mode.isEmpty())
            err(u"Other users of this computer can read %1 (mode %2): make it yours alone with "
                "chmod 600."_s.arg(path, mode));
    }
    const bool opened = path == u"-" ? file.open(stdin, QIODevice::ReadOnly)
                                     : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return Failure {u"%1: cannot read %2: %3"_s.arg(option, path, file.errorString())};
    // One byte more than the camera's file holds, and the line break, tell a line too long.
    QByteArray line = file.readLine(kMaxPlainFormSize + 3);
    if (file.error() != QFileDevice::NoError)
        return Failure {u"%1: cannot read %2: %3"_s.arg(option, path, file.errorString())};
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.size() > kMaxPlainFormSize)
        return Failure {u"%1: the first line of %2 is longer than the camera's file can hold "
                        "(%3 bytes)."_s.arg(option, path)
                            .arg(kMaxPlainFormSize)};
    return QString::fromUtf8(line);
}

// The pick of --country and --operator, as the user makes them in the window: the operator
// left out is the country's default one.
template<typename Settings>
Result<void> chooseCarrier(SetupModel<Settings> &setup, const QString &countryName,
                           const std::optional<QString> &operatorText)
{
    const CountryEntry *country = findCountry(countryTable<Settings>(), countryName);
    const QString window = QString(Section<Settings>::name).toLower();
    if (!country)
        return Failure {u"unknown country \"%1\". List the countries with: %2 carriers %3"_s.arg(
            countryName, kProgram, window)};
    const QString listOperators = u"List its operators with: %1 carriers %2 --country \"%3\""_s.arg(
        kProgram, window, country->name);
    std::optional<QString> operatorName;
    if (operatorText) {
        operatorName = findName(country->operators, *operatorText);
        if (!operatorName)
            return Failure {u"%1 has no operator \"%2\". "_s.arg(country->name, *operatorText)
                            + listOperators};
    } else if (country->defaultOperator.isEmpty()
               && !profileValues<Settings>(country->name, QString())) {
        return Failure {
            u"%1 has no default operator: name yours with --operator. "_s.arg(country->name)
            + listOperators};
    }

    setup.country = country->name;
    ChooseCountry(setup);
    if (operatorName) {
        setup.operatorName = *operatorName;
        ChooseOperator(setup);
    }
    return {};
}

// The first control character of a value, which no field of the windows takes.
std::optional<QChar> controlCharacter(const QString &value)
{
    for (const QChar c : value) {
        if (c.category() == QChar::Other_Control)
            return c;
    }
    return std::nullopt;
}

} // namespace

template<typename Settings>
SetupOptions<Settings>::SetupOptions(QCommandLineParser &parser, ProviderWarning warning)
    : m_warning(warning)
    , m_country(u"country"_s,
                u"Fills the connection keys from the profile of the country's default operator "
                "(or its only profile), as picking the country in the window does."_s,
                u"name"_s)
    , m_operator(u"operator"_s,
                 u"With --country: the profile of this operator instead, as picking it does."_s,
                 u"name"_s)
{
    parser.addOptions({m_country, m_operator});
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        const QString name = optionName(key.key());
        KeyOption option {&key,
                          QCommandLineOption(name, keyDescription(key),
                                             key.kind == KeyKind::Ssl ? u"yes|no"_s : u"value"_s),
                          std::nullopt};
        parser.addOption(option.option);
        if (key.kind == KeyKind::Secret) {
            option.file = QCommandLineOption(
                name + u"-file"_s,
                u"Takes --%1 from the first line of FILE (- reads standard input): the way for "
                "scripts, since other users see the command line."_s.arg(name),
                u"file"_s);
            parser.addOption(*option.file);
        }
        m_keys.push_back(option);
    }
}

template<typename Settings>
Result<SetupModel<Settings>> SetupOptions<Settings>::setup(const QCommandLineParser &parser) const
{
    if (!parser.positionalArguments().isEmpty())
        return Failure {u"unexpected argument \"%1\": values go after their option, quoted where "
                        "they hold spaces."_s.arg(parser.positionalArguments().first())};
    if (parser.isSet(m_operator) && !parser.isSet(m_country))
        return Failure {u"--operator needs --country."_s};
    SetupModel<Settings> setup = openedSetup<Settings>();
    // Without a country the options alone give the connection values, as typed in Manual mode.
    if (!parser.isSet(m_country))
        setup.mode = SettingMode::Manual;
    else {
        const std::optional<QString> operatorName
            = parser.isSet(m_operator) ? std::optional(parser.value(m_operator)) : std::nullopt;
        if (Result<void> picked = chooseCarrier(setup, parser.value(m_country), operatorName);
            !picked)
            return picked.failure();
    }
    const MailProvider *proposed = propose(setup, parser);
    for (const KeyOption &key : m_keys) {
        const QString name = u"--"_s + key.option.names().first();
        const bool fromFile = key.file && parser.isSet(*key.file);
        if (fromFile && parser.isSet(key.option))
            return Failure {u"give %1 or %1-file, not both."_s.arg(name)};
        if (!fromFile && !parser.isSet(key.option))
            continue;
        if (!fromFile && key.key->kind == KeyKind::Secret)
            err(u"Other users of this computer can read the command line, and with it %1, while "
                "the program runs: give it with %1-file."_s.arg(name));
        QString value;
        if (fromFile) {
            const Result<QString> read
                = readPasswordFile(name + u"-file"_s, parser.value(*key.file));
            if (!read)
                return read.failure();
            value = *read;
        } else {
            value = parser.value(key.option);
        }
        if (key.key->kind == KeyKind::Ssl) {
            if (value.compare(u"yes", Qt::CaseInsensitive) == 0)
                value = Ssl::yes().fileValue();
            else if (value.compare(u"no", Qt::CaseInsensitive) == 0)
                value = Ssl::no().fileValue();
            else
                return Failure {u"%1 takes yes or no, not \"%2\"."_s.arg(name, value)};
        }
        if (const std::optional<QChar> control = controlCharacter(value))
            return Failure {u"%1 holds a control character (%2), which the window's fields do "
                            "not take either."_s.arg(name, escaped(QString(*control)))};
        key.key->setFileValue(setup.settings, value);
    }
    tell(setup, proposed, parser);
    return setup;
}

template<typename Settings>
const QCommandLineOption &SetupOptions<Settings>::optionOf(QLatin1StringView key) const
{
    for (const KeyOption &option : m_keys) {
        if (option.key->key() == key)
            return option.option;
    }
    qFatal("No option for %s", key.data());
}

template<typename Settings>
const MailProvider *SetupOptions<Settings>::propose(SetupModel<Settings> &setup,
                                                    const QCommandLineParser &parser) const
{
    if constexpr (std::is_same_v<Settings, SmtpSettings>) {
        const QCommandLineOption &sender = optionOf("Sender"_L1);
        if (!parser.isSet(sender) || parser.isSet(optionOf("Server"_L1)))
            return nullptr;
        setup.settings.Sender = parser.value(sender);
        return ProposeMailServer(setup, QString());
    } else {
        Q_UNUSED(setup);
        Q_UNUSED(parser);
        return nullptr;
    }
}

template<typename Settings>
void SetupOptions<Settings>::tell(const SetupModel<Settings> &setup, const MailProvider *proposed,
                                  const QCommandLineParser &parser) const
{
    if constexpr (std::is_same_v<Settings, SmtpSettings>) {
        const SmtpSettings &settings = setup.settings;
        if (proposed) {
            QString taken = u"--server "_s + settings.Server;
            if (!parser.isSet(optionOf("Port"_L1)))
                taken += u" --port "_s + settings.Port;
            if (!parser.isSet(optionOf("SSL"_L1)))
                taken += settings.SSL == Ssl::yes() ? u" --ssl yes"_s : u" --ssl no"_s;
            QString line
                = u"Took %1 from %2, the provider of --sender"_s.arg(taken, proposed->name);
            if (proposed->camera == CameraUse::Works && !proposed->note.isEmpty())
                line += u"; %1 %2"_s.arg(proposed->name, proposed->note);
            err(line + u'.');
        }
        const MailProvider *provider = mailProviderOfServer(settings.Server);
        if (m_warning == ProviderWarning::Printed && provider
            && provider->camera == CameraUse::Fails)
            err(cameraCannotUse(*provider));
    } else {
        Q_UNUSED(setup);
        Q_UNUSED(proposed);
        Q_UNUSED(parser);
    }
}

template class SetupOptions<MmsSettings>;
template class SetupOptions<SmtpSettings>;

} // namespace cli
