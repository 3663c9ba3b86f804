#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

// What a setup's actions (Generate, Read, the folder choice) need of the face they run in: a
// setup window, or the command line.

enum class MessageKind {
    Information, // a step went as asked
    Warning, // the step goes on, but something may be wrong
    Critical, // the step failed: nothing was written or read
};

class ActionHost
{
public:
    virtual ~ActionHost() = default;

    // Tells the user, and returns once the user has seen it (a window waits for OK). detail,
    // when given, is a second part beneath the text, such as the path of the file written.
    virtual void showMessage(MessageKind kind, const QString &text, const QString &detail) = 0;
    void showMessage(MessageKind kind, const QString &text) { showMessage(kind, text, {}); }

    // Asks before a step that may not be what the user wants: true for Yes (go on), false for
    // No. A window waits for the answer; the command line, which cannot ask, shows the
    // question as a warning and goes on.
    virtual bool confirm(const QString &question) = 0;

    // The folder browser, under the face's own title, opened at startFolder (empty: where the
    // browser opens by itself) and offering cardFolders beside it. The chosen folder, or
    // nothing when the user cancelled.
    virtual std::optional<QString> chooseFolder(const QString &startFolder,
                                                const QStringList &cardFolders)
        = 0;

    // How the user knows the value of a section's key: a window names the field by its label
    // ("Email 1"), the command line by its option ("--email1").
    virtual QString nameOf(QLatin1StringView key) const = 0;
};
