#pragma once

#include <QLatin1StringView>
#include <QString>

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

    // The folder browser under this title. The chosen folder, or nothing when the user
    // cancelled.
    virtual std::optional<QString> chooseFolder(const QString &title) = 0;

    // How the user knows the value of a section's key: a window names the field by its label
    // ("Email 1"), the command line by its option ("--email1").
    virtual QString nameOf(QLatin1StringView key) const = 0;
};
