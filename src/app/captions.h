#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

// One language's captions for a setup window: captions[i] goes to the table's targets[i].
struct CaptionRow
{
    QString language; // exactly as the launcher's language selector shows it
    QStringList captions;
};

// The captions of one setup window's labels and buttons, one row per language.
struct CaptionTable
{
    QStringList targets; // system names of the labels and buttons, in column order
    std::vector<CaptionRow> rows;
};

const CaptionTable &mmsCaptionTable();
const CaptionTable &smtpCaptionTable();

// The folder browser's title in a language, for both setup windows.
struct TitleRow
{
    QString language; // exactly as the launcher's language selector shows it
    QString title;
};
const std::vector<TitleRow> &folderBrowserTitleTable();

// The folder browser's title for the launcher's language text (compared exactly); empty for a
// language without one, whose window keeps its own.
QString folderBrowserTitle(const QString &language);

// Sets the captions of the window's target labels and buttons from the row whose language
// equals the text exactly (case-sensitive, untrimmed). No matching row changes nothing.
void applyCaptions(QWidget *window, const CaptionTable &table, const QString &language);
