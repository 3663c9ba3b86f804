// The field maps of the two setup windows: which control holds each key of the window's
// NET.CFG section. To let another field feed a key, change its row here.
#include "actions/fieldmap.h"

template<> const FieldMap<MmsSettings> &fieldMap()
{
    using S = MmsSettings;
    // clang-format off
    static const FieldMap<MmsSettings> map{
        {/* path field */ "Text17", /* setting mode */ "Combo2", /* country */ "Combo3", /* operator */ "Combo4"},
        {
            {"Text1",  &S::APN},
            {"Text2",  &S::APNPassword},
            {"Text3",  &S::APNAccount},
            {"Text4",  &S::URL},
            {"Text5",  &S::IP},
            {"Text6",  &S::Port},
            {"Text7",  &S::Phone1},
            {"Text8",  &S::Phone2},
            {"Text9",  &S::Phone3},
            {"Text10", &S::Phone4},
            {"Text11", &S::Phone5},
            {"Text12", &S::Email1},
            {"Text13", &S::Email2},
            {"Text14", &S::Email3},
            {"Text15", &S::Email4},
            {"Text16", &S::Email5},
        },
    };
    // clang-format on
    return map;
}

template<> const FieldMap<SmtpSettings> &fieldMap()
{
    using S = SmtpSettings;
    // clang-format off
    static const FieldMap<SmtpSettings> map{
        {/* path field */ "Text18", /* setting mode */ "Combo1", /* country */ "Combo3", /* operator */ "Combo4"},
        {
            {"Text1",  &S::APN},
            {"Text2",  &S::APNAccount},
            {"Text3",  &S::APNPassword},
            {"Text4",  &S::Server},
            {"Text5",  &S::Port},
            {"Text6",  &S::Sender},
            {"Text7",  &S::Phone1},
            {"Text12", &S::Email1},
            {"Text13", &S::Email2},
            {"Text14", &S::Email3},
            {"Text15", &S::Email4},
            {"Text16", &S::Email5},
            {"Text17", &S::Password},
            {"Combo5", &S::SSL}, // the SSL box: "YES", "NO" or a file's other value
        },
    };
    // clang-format on
    return map;
}
