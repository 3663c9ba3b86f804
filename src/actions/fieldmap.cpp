#include "actions/fieldmap.h"

#include "netcfg/section.h"

namespace {

template<typename Settings> const SectionKey<Settings> *keyOf(QString Settings::*value)
{
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (key.value == value)
            return &key;
    }
    return nullptr;
}

} // namespace

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
        const SectionKey<Settings> *key = keyOf(field.value);
        if (key && isConnectionKey(key->filled))
            names.append(field.control);
    }
    return names;
}

template<typename Settings> QString controlOf(QLatin1StringView key)
{
    for (const FieldRow<Settings> &field : fieldMap<Settings>().fields) {
        const SectionKey<Settings> *row = keyOf(field.value);
        if (row && key == QLatin1StringView(row->key))
            return field.control;
    }
    return {};
}

template<typename Settings>
SetupModel<Settings> readSetup(const NamedControls &controls, SettingMode mode)
{
    const FieldMap<Settings> &map = fieldMap<Settings>();
    SetupModel<Settings> setup;
    setup.mode = mode;
    setup.country = controls.text(map.countryBox);
    setup.operatorName = controls.text(map.operatorBox);
    setup.operators = controls.items(map.operatorBox);
    for (const FieldRow<Settings> &field : map.fields)
        setup.settings.*field.value = controls.text(field.control);
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
    for (const FieldRow<Settings> &field : map.fields)
        write(field.control, before.settings.*field.value, after.settings.*field.value);
}

template QStringList connectionControls<MmsSettings>();
template QStringList connectionControls<SmtpSettings>();
template QString controlOf<MmsSettings>(QLatin1StringView);
template QString controlOf<SmtpSettings>(QLatin1StringView);
template SetupModel<MmsSettings> readSetup(const NamedControls &, SettingMode);
template SetupModel<SmtpSettings> readSetup(const NamedControls &, SettingMode);
template void showSetup(NamedControls &, const SetupModel<MmsSettings> &,
                        const SetupModel<MmsSettings> &);
template void showSetup(NamedControls &, const SetupModel<SmtpSettings> &,
                        const SetupModel<SmtpSettings> &);
