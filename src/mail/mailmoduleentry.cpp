// The test e-mail's module's one export: its table (mailmodule.h).
#include "mail/mailmodule.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const MailModule *cst_mail_module()
{
    static const MailModule module {CST_MAIL_INTERFACE, &runMailTest, &mailStepWords};
    return &module;
}
