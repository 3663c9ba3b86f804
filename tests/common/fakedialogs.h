#pragma once

#include "setup/setupdialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Answers a setup window's dialogs without a modal loop: records every message and folder
// request, and hands out queued folder answers (nothing queued: the user cancels). A progress
// dialog records its texts and is open while progressOpen; pressCancel is its Cancel.
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

    void showMessage(QWidget *owner, const QString &title, const QString &text) override
    {
        owners.append(owner);
        messages.append({title, text});
    }

    void showMessageWithIcon(QWidget *owner, const QString &title, const QString &text,
                             MessageKind kind) override
    {
        showMessage(owner, title, text);
        kinds.append(kind);
    }

    std::optional<QString> chooseFolder(QWidget *owner, const QString &title) override
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
    QList<MessageKind> kinds; // of the messages shown with an icon, in order
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
