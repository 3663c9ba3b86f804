// The field maps of the two setup windows: which control holds each key of the window's
// NET.CFG section, and which fields an operator's profile fills. To let another field feed a
// key, change its row here.
#include "netcfg/fieldmap.h"

namespace {
constexpr Filled user = Filled::ByUser;
constexpr Filled profile = Filled::ByProfile;
constexpr Filled credentials = Filled::ByProfileCredentials;
constexpr Filled mailServer = Filled::ByProfileMailServer;
} // namespace

const FieldMap<MmsSettings> &mmsFieldMap()
{
    using S = MmsSettings;
    // clang-format off
    static const FieldMap<MmsSettings> map{
        {/* path field */ "Text17", /* setting mode */ "Combo2", /* country */ "Combo3", /* operator */ "Combo4"},
        {
            {"Text1",  &S::APN,         profile},
            {"Text2",  &S::APNPassword, credentials},
            {"Text3",  &S::APNAccount,  credentials},
            {"Text4",  &S::URL,         profile},
            {"Text5",  &S::IP,          profile},
            {"Text6",  &S::Port,        profile},
            {"Text7",  &S::Phone1,      user},
            {"Text8",  &S::Phone2,      user},
            {"Text9",  &S::Phone3,      user},
            {"Text10", &S::Phone4,      user},
            {"Text11", &S::Phone5,      user},
            {"Text12", &S::Email1,      user},
            {"Text13", &S::Email2,      user},
            {"Text14", &S::Email3,      user},
            {"Text15", &S::Email4,      user},
            {"Text16", &S::Email5,      user},
        },
    };
    // clang-format on
    return map;
}

const FieldMap<SmtpSettings> &smtpFieldMap()
{
    using S = SmtpSettings;
    // clang-format off
    static const FieldMap<SmtpSettings> map{
        {/* path field */ "Text18", /* setting mode */ "Combo1", /* country */ "Combo3", /* operator */ "Combo4"},
        {
            {"Text1",  &S::APN,         profile},
            {"Text2",  &S::APNAccount,  credentials},
            {"Text3",  &S::APNPassword, credentials},
            {"Text4",  &S::Server,      mailServer},
            {"Text5",  &S::Port,        mailServer},
            {"Text6",  &S::Sender,      user},
            {"Text7",  &S::Phone1,      user},
            {"Text12", &S::Email1,      user},
            {"Text13", &S::Email2,      user},
            {"Text14", &S::Email3,      user},
            {"Text15", &S::Email4,      user},
            {"Text16", &S::Email5,      user},
            {"Text17", &S::Password,    user},
            {"Combo5", &S::SSL,         mailServer}, // "YES" or "NO"; Generate writes 1 or 0
        },
    };
    // clang-format on
    return map;
}
