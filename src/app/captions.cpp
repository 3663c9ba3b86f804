#include "app/captions.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include <algorithm>

void applyCaptions(QWidget *window, const CaptionTable &table, const QString &language)
{
    const auto row = std::find_if(table.rows.cbegin(), table.rows.cend(),
                                  [&](const CaptionRow &r) { return r.language == language; });
    if (row == table.rows.cend())
        return;

    const qsizetype count = qMin(table.targets.size(), row->captions.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString &name = table.targets.at(i);
        if (auto *label = window->findChild<QLabel *>(name))
            label->setText(row->captions.at(i));
        else if (auto *button = window->findChild<QAbstractButton *>(name))
            button->setText(row->captions.at(i));
        else
            qWarning("%s has no label or button %s for its captions",
                     qPrintable(window->objectName()), qPrintable(name));
    }
}

QString folderBrowserTitle(const QString &language)
{
    const std::vector<TitleRow> &table = folderBrowserTitleTable();
    const auto row = std::find_if(table.cbegin(), table.cend(),
                                  [&](const TitleRow &r) { return r.language == language; });
    return row == table.cend() ? QString() : row->title;
}
