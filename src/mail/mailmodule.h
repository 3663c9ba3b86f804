#pragma once

#include "mail/mailtest.h"
#include "netcfg/result.h"

#include <QString>

// The test e-mail's module: everything of the test e-mail that needs libcurl, built as a shared
// module of its own (camera-setting-tool-mail.so, .dll) so that the program links no libcurl
// and only a test e-mail loads it. The module exports one C function, cst_mail_module(), which
// returns its table; the program uses the table only when its interface version is the
// program's own. CST_MAIL_INTERFACE is made by the build from this header and mailtest.h, whose
// types cross between the two, so that a module built from other headers is refused.
//
// In the program, runMailTest() and mailStepWords() of mailtest.h call the module's, loaded on
// their first call (mailmodule.cpp).
struct MailModule
{
    int interfaceVersion; // first, and an int, in every version: read before anything else
    MailTestResult (*runMailTest)(const MailAccount &account, const MailTestOptions &options,
                                  const MailTestHooks &hooks);
    QString (*mailStepWords)(MailStep step);
};

// The name the module exports its table under: const MailModule *cst_mail_module(void).
inline constexpr char kMailModuleEntry[] = "cst_mail_module";

// The module this program loads: beside the program on Windows; in the package's private
// library folder (../lib/<multiarch>/camera-setting-tool from the program's folder) elsewhere;
// for a program of the build tree, in the build's own folder.
QString mailModuleFile();

// The module in file, loaded; or why not, naming the file and saying to reinstall: the
// system's reason when it cannot be loaded, or that it belongs to another version of the
// program. A loaded module stays loaded.
Result<const MailModule *> loadMailModule(const QString &file);

// The module of mailModuleFile(), loaded on the first call from any thread. A failure is tried
// again on the next call, so that a module reinstalled meanwhile is found.
Result<const MailModule *> mailModule();
