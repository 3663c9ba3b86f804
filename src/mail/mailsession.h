#pragma once

#include "mail/mailtest.h"

// The libcurl half of the test e-mail: the connection, TLS and its certificate check, with no
// proxy (the camera connects directly), and the SMTP dialogue (smtpdialogue.h) carried over
// it within the time limit; the words come from maildiagnosis.h. runMailTest calls it with an
// account that checkMailAccount found sound.
MailTestResult runMailSession(const MailAccount &account, const MailTestOptions &options,
                              const MailTestHooks &hooks);
