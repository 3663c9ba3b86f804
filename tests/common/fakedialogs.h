#pragma once

#include "setup/setupdialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Answers a setup window's dialogs without a modal loop: records every message and folder
// request, and hands out queued folder answers (nothing queued: the user cancels).
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

    std::optional<QString> chooseFolder(QWidget *owner, const QString &title) override
    {
        owners.append(owner);
        folderTitles.append(title);
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }

    QList<Message> messages;
    QStringList folderTitles;
    QList<std::optional<QString>> folderAnswers;
    QList<QPointer<QWidget>> owners;
};

inline char *toString(const FakeDialogs::Message &message)
{
    return qstrdup(qPrintable(QStringLiteral("(%1, %2)").arg(message.title, message.text)));
}
