#include "carriers/setupmodel.h"

template<> SetupModel<MmsSettings> openedSetup()
{
    return {};
}

template<> SetupModel<SmtpSettings> openedSetup()
{
    SetupModel<SmtpSettings> setup;
    setup.settings.SSL = kSslYes;
    return setup;
}

MmsSettings fileSettings(const SetupModel<MmsSettings> &setup, SslValue &)
{
    return setup.settings;
}

SmtpSettings fileSettings(const SetupModel<SmtpSettings> &setup, SslValue &ssl,
                          const std::optional<QString> &readSsl)
{
    SmtpSettings settings = setup.settings;
    settings.SSL = sslFileValue(settings.SSL, ssl, readSsl);
    return settings;
}
