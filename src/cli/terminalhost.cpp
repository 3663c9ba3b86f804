#include "cli/terminalhost.h"

#include "cli/optionname.h"
#include "cli/output.h"

namespace cli {

void TerminalHost::showMessage(MessageKind kind, const QString &text, const QString &detail)
{
    const QString lines = detail.isEmpty() ? text : text + u'\n' + detail;
    kind == MessageKind::Information ? out(lines) : err(lines);
}

bool TerminalHost::confirm(const QString &question)
{
    showMessage(MessageKind::Warning, question);
    return true;
}

std::optional<QString> TerminalHost::chooseFolder(const QString &, const QStringList &)
{
    return std::nullopt;
}

QString TerminalHost::nameOf(QLatin1StringView key) const
{
    return QStringLiteral("--") + optionName(key);
}

} // namespace cli
