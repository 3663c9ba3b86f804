#include "actions/fieldmap.h"

#include "netcfg/section.h"

namespace {

// The text of a key's control for the value settings hold.
template<typename Settings>
QString controlText(const SectionKey<Settings> &key, const Settings &settings)
{
    if (const auto ssl = std::get_if<Ssl Settings::*>(&key.member))
        return sslBoxText(settings.**ssl);
    return key.fileValue(settings);
}

} // namespace

QString sslBoxText(const Ssl &ssl)
{
    switch (ssl.choice()) {
    case Ssl::Yes:
        return kSslYes;
    case Ssl::No:
        return kSslNo;
    case Ssl::Kept:
        break;
    }
    return ssl.fileValue();
}

Ssl sslOfBoxText(const QString &text, const Ssl &held)
{
    if (text == sslBoxText(held))
        return held;
    if (text == kSslYes)
        return Ssl::yes();
    if (text == kSslNo)
        return Ssl::no();
    return held;
}

QString modeName(SettingMode mode)
{
    return mode == SettingMode::Auto ? kAutoMode : kManualMode;
}

std::optional<SettingMode> settingModeOf(const QString &boxText)
{
    if (boxText == kAutoMode)
        return SettingMode::Auto;
    if (boxText == kManualMode)
        return SettingMode::Manual;
    return std::nullopt;
}

template<typename Settings> QStringList connectionControls()
{
    QStringList names;
    for (const FieldRow<Settings> &field : fieldMap<Settings>().fields) {
        if (isConnectionKey(keyOf(field.value).filled))
            names.append(field.control);
    }
    return names;
}

template<typename Settings> QString controlOf(QLatin1StringView key)
{
    for (const FieldRow<Settings> &field : fieldMap<Settings>().fields) {
        if (keyOf(field.value).key() == key)
            return field.control;
    }
    return {};
}

template<typename Settings>
SetupModel<Settings> readSetup(const NamedControls &controls, SettingMode mode,
                               const Settings &kept)
{
    const FieldMap<Settings> &map = fieldMap<Settings>();
    SetupModel<Settings> setup;
    setup.mode = mode;
    setup.country = controls.text(map.countryBox);
    setup.operatorName = controls.text(map.operatorBox);
    setup.operators = controls.items(map.operatorBox);
    for (const FieldRow<Settings> &field : map.fields) {
        const QString text = controls.text(field.control);
        if (const auto ssl = std::get_if<Ssl Settings::*>(&field.value))
            setup.settings.**ssl = sslOfBoxText(text, kept.**ssl);
        else
            setup.settings.*std::get<QString Settings::*>(field.value) = text;
    }
    return setup;
}

template<typename Settings>
void showSetup(NamedControls &controls, const SetupModel<Settings> &before,
               const SetupModel<Settings> &after)
{
    const FieldMap<Settings> &map = fieldMap<Settings>();
    const auto write = [&](const QString &control, const QString &was, const QString &is) {
        if (is != was)
            controls.setText(control, is);
    };
    write(map.modeBox, modeName(before.mode), modeName(after.mode));
    write(map.countryBox, before.country, after.country);
    if (after.operators != before.operators)
        controls.setItems(map.operatorBox, after.operators);
    write(map.operatorBox, before.operatorName, after.operatorName);
    for (const FieldRow<Settings> &field : map.fields) {
        const SectionKey<Settings> &key = keyOf(field.value);
        write(field.control, controlText(key, before.settings), controlText(key, after.settings));
    }
}

template<typename Settings> void keepValues(Settings &kept, const Settings &settings)
{
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (std::holds_alternative<Ssl Settings::*>(key.member))
            key.copy(settings, kept);
    }
}

template<typename Settings> void reopen(Settings &kept)
{
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (const auto ssl = std::get_if<Ssl Settings::*>(&key.member)) {
            Ssl &value = kept.**ssl;
            if (sslBoxText(value) == kSslYes)
                value = Ssl::yes();
            else if (sslBoxText(value) == kSslNo)
                value = Ssl::no();
        }
    }
}

template QStringList connectionControls<MmsSettings>();
template QStringList connectionControls<SmtpSettings>();
template QString controlOf<MmsSettings>(QLatin1StringView);
template QString controlOf<SmtpSettings>(QLatin1StringView);
template SetupModel<MmsSettings> readSetup(const NamedControls &, SettingMode, const MmsSettings &);
template SetupModel<SmtpSettings> readSetup(const NamedControls &, SettingMode,
                                            const SmtpSettings &);
template void showSetup(NamedControls &, const SetupModel<MmsSettings> &,
                        const SetupModel<MmsSettings> &);
template void showSetup(NamedControls &, const SetupModel<SmtpSettings> &,
                        const SetupModel<SmtpSettings> &);
template void keepValues(MmsSettings &, const MmsSettings &);
template void keepValues(SmtpSettings &, const SmtpSettings &);
template void reopen(MmsSettings &);
template void reopen(SmtpSettings &);
