#pragma once

#include "actions/actionhost.h"

namespace cli {

// The actions' messages on the terminal: what went as asked on standard output, reminders and
// failures on standard error, a message's detail on the line beneath it. A question is
// answered Yes and shown as a reminder is. There is no folder browser, and a key's field is
// named by its option ("--email1").
class TerminalHost final : public ActionHost
{
public:
    using ActionHost::showMessage;
    void showMessage(MessageKind kind, const QString &text, const QString &detail) override;
    bool confirm(const QString &question) override;
    std::optional<QString> chooseFolder(const QString &startFolder,
                                        const QStringList &cardFolders) override;
    QString nameOf(QLatin1StringView key) const override;
};

} // namespace cli
