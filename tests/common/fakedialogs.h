#pragma once

#include "setup/setupdialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Answers a setup window's dialogs without a modal loop: records every message, question and
// folder request, and hands out queued answers (no folder queued: the user cancels; no answer
// queued: Yes, which goes on as if the question were not there).
class FakeDialogs final : public SetupDialogs
{
public:
    struct Message
    {
        QString title;
        QString text;
        bool operator==(const Message &other) const
        {
            return title == other.title && text == other.text;
        }
    };

    void showMessage(QWidget *owner, const QString &title, MessageKind, const QString &text,
                     const QString &detail) override
    {
        owners.append(owner);
        messages.append({title, text});
        details.append(detail);
    }

    bool ask(QWidget *owner, const QString &, const QString &question) override
    {
        owners.append(owner);
        questions.append(question);
        return answers.isEmpty() || answers.takeFirst();
    }

    std::optional<QString> chooseFolder(QWidget *owner, const QString &title, const QString &,
                                        const QStringList &) override
    {
        owners.append(owner);
        folderTitles.append(title);
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }

    QList<Message> messages;
    QStringList details;
    QStringList questions;
    QList<bool> answers;
    QStringList folderTitles;
    QList<std::optional<QString>> folderAnswers;
    QList<QPointer<QWidget>> owners;
};

inline char *toString(const FakeDialogs::Message &message)
{
    return qstrdup(qPrintable(QStringLiteral("(%1, %2)").arg(message.title, message.text)));
}
