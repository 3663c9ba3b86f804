#pragma once

#include "setup/setupdialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Answers a setup window's dialogs without a modal loop: records every message, question and
// folder request, and hands out queued answers (no folder queued: the user cancels; no answer
// queued: Yes, which goes on as if the question were not there). A progress dialog records
// its texts and is open while progressOpen; pressCancel is its Cancel.
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

    void showMessage(QWidget *owner, const QString &title, MessageKind kind, const QString &text,
                     const QString &detail) override
    {
        owners.append(owner);
        messages.append({title, text});
        kinds.append(kind);
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

    struct Progress final : SetupProgress
    {
        explicit Progress(FakeDialogs &dialogs)
            : dialogs(dialogs)
        {
            dialogs.progressOpen = true;
        }
        ~Progress() override { dialogs.progressOpen = false; }
        void setText(const QString &text) override { dialogs.progressTexts.append(text); }
        FakeDialogs &dialogs;
    };

    std::unique_ptr<SetupProgress> openProgress(QWidget *owner, const QString &,
                                                const QString &text,
                                                std::function<void()> cancel) override
    {
        owners.append(owner);
        progressTexts.append(text);
        pressCancel = std::move(cancel);
        return std::make_unique<Progress>(*this);
    }

    QList<Message> messages;
    QList<MessageKind> kinds; // of the messages, in order
    QStringList details;
    QStringList questions;
    QList<bool> answers;
    QStringList folderTitles;
    QList<std::optional<QString>> folderAnswers;
    QList<QPointer<QWidget>> owners;
    QStringList progressTexts; // of every progress dialog, in order
    bool progressOpen = false;
    std::function<void()> pressCancel;
};

inline char *toString(const FakeDialogs::Message &message)
{
    return qstrdup(qPrintable(QStringLiteral("(%1, %2)").arg(message.title, message.text)));
}
