#include "carriers/setupmodel.h"

template<> SetupModel<MmsSettings> openedSetup()
{
    return {};
}

template<> SetupModel<SmtpSettings> openedSetup()
{
    SetupModel<SmtpSettings> setup;
    setup.settings.SSL = Ssl::yes();
    return setup;
}
