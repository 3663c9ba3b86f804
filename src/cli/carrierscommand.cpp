// carriers: the countries of the carrier database, or a country's operators with the values
// that picking each writes.
#include "carriers/carriers.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "netcfg/section.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// The values that picking this country and operator writes, as the file's key=value lines.
template<typename Settings>
QStringList profileLines(const CountryEntry &country, const QString &operatorName)
{
    const auto profile = profileValues<Settings>(country.name, operatorName);
    if (!profile)
        return {};
    QStringList lines;
    for (const SectionKey<Settings> *key : profile->keys)
        lines.append(key->key() + u'=' + key->fileValue(profile->values));
    return lines;
}

// A country's operators in the window's list order, the default marked, each with its values.
template<typename Settings> int listOperators(const QString &command, const QString &countryName)
{
    const CountryEntry *country = findCountry(countryTable<Settings>(), countryName);
    if (!country) {
        return usageError(command,
                          u"unknown country \"%1\". List the countries with: %2 carriers"_s.arg(
                              countryName, kProgram));
    }
    QStringList lines {sectionHeader<Settings>()};
    for (const QString &operatorName : country->operators) {
        lines.append(operatorName == country->defaultOperator ? operatorName + u" (default)"_s
                                                              : operatorName);
        for (const QString &line : profileLines<Settings>(*country, operatorName))
            lines.append(u"    "_s + line);
    }
    out(lines.join(u'\n'));
    return Done;
}

class CarriersCommand final : public Command
{
public:
    explicit CarriersCommand(QCommandLineParser &parser);
    int run(const Invocation &invocation) const override;

private:
    QCommandLineOption m_country;
};

CarriersCommand::CarriersCommand(QCommandLineParser &parser)
    : m_country(u"country"_s, u"The country whose operators to list."_s, u"name"_s)
{
    parser.setApplicationDescription(
        u"Lists the countries of the carrier database, one a line. With --country: the\n"
        "country's operators in the window's order, its default one marked, and under\n"
        "each the key=value lines that picking it writes."_s);
    parser.addOption(m_country);
    parser.addPositionalArgument(
        u"window"_s, u"mms or smtp: that window's table. Left out: both."_s, u"[mms|smtp]"_s);
}

int CarriersCommand::run(const Invocation &invocation) const
{
    const QCommandLineParser &parser = invocation.parser;
    const QStringList windows = parser.positionalArguments();
    if (windows.size() > 1
        || (windows.size() == 1 && windows[0] != u"mms" && windows[0] != u"smtp")) {
        return usageError(
            invocation.command,
            u"unexpected argument \"%1\": name the window, mms or smtp, or none."_s.arg(
                windows.value(windows.size() - 1)));
    }
    const bool mmsWindow = windows.isEmpty() || windows[0] == u"mms";
    const bool smtpWindow = windows.isEmpty() || windows[0] == u"smtp";

    if (!parser.isSet(m_country)) {
        QStringList names;
        if (mmsWindow)
            names += countryNames(countryTable<MmsSettings>());
        if (smtpWindow)
            names += countryNames(countryTable<SmtpSettings>());
        names.removeDuplicates();
        out(names.join(u'\n'));
        return Done;
    }
    const QString country = parser.value(m_country);
    if (mmsWindow) {
        if (const int status = listOperators<MmsSettings>(invocation.command, country);
            status != Done)
            return status;
    }
    if (mmsWindow && smtpWindow)
        out(QString());
    return smtpWindow ? listOperators<SmtpSettings>(invocation.command, country) : Done;
}

} // namespace

std::unique_ptr<Command> makeCarriersCommand(QCommandLineParser &parser)
{
    return std::make_unique<CarriersCommand>(parser);
}

} // namespace cli
