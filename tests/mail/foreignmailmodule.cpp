// A module of another version of the program: its table's interface is not this build's.
#include "mail/mailmodule.h"

extern "C" Q_DECL_EXPORT const MailModule *cst_mail_module()
{
    static const MailModule module {CST_MAIL_INTERFACE + 1, nullptr, nullptr};
    return &module;
}
