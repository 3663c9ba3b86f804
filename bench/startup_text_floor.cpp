// The text floor of start-up: a plain window of the launcher's size holding the launcher's
// texts in their designed fonts, sizes and places, and nothing else: plain labels for the
// tiles' captions (with their leading spaces, wrapped as a plain label wraps), the brand, the
// version and the selectors' names, and two disabled editable combo boxes with their lists.
// Whatever the application does beyond this at start-up is its own work.
// Places are the launcher's design in twips, 15 to the pixel (src/app/launcher_window_table.cpp).
#include "exposehook.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace {

QFont designedFont(const QString &family, qreal pointSize, bool italic = false)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

QRect pixels(int left, int top, int width, int height)
{
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

void addLabel(QWidget *window, const QString &text, const QFont &font, const QRect &place,
              bool wordWrap = false)
{
    auto *label = new QLabel(text, window);
    label->setFont(font);
    label->setWordWrap(wordWrap);
    label->setGeometry(place);
}

void addCombo(QWidget *window, const QStringList &items, const QString &text, const QFont &font,
              const QRect &place)
{
    // In the order that lays the shown text out once, in its own font: the font first, and
    // the text field made once the list's entry (if the text is one) is current.
    auto *combo = new QComboBox(window);
    combo->setFont(font);
    combo->setGeometry(place);
    combo->addItems(items);
    combo->setCurrentIndex(items.indexOf(text));
    combo->setEditable(true);
    combo->setEditText(text);
    combo->setEnabled(false);
}

} // namespace

void afterFirstExpose(QWidget *)
{
    endFloorAtFirstExpose();
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("Form1"));
    window.resize(774, 570);

    const QString times = QStringLiteral("Times New Roman");
    const QFont tile = designedFont(times, 14.25);
    const QFont selector = designedFont(times, 15.75);
    // The tiles' captions, at their tiles' places (each tile's panel plus the label in it).
    addLabel(&window, QString(95, u' ') + QStringLiteral("Camera"), tile,
             pixels(7440, 5760, 3015, 1575), true);
    addLabel(&window, QString(91, u' ') + QStringLiteral("MMS Setting"), tile,
             pixels(4200, 5760, 3015, 1575), true);
    addLabel(&window, QString(90, u' ') + QStringLiteral("SMTP Setting"), tile,
             pixels(960, 5760, 3015, 1575), true);
    addCombo(&window, {QStringLiteral("VX305"), QStringLiteral("VX297"), QStringLiteral("VX298")},
             QStringLiteral("VX41x"), designedFont(QStringLiteral("Arial"), 15.75),
             pixels(7920, 3720, 1695, 480));
    addCombo(&window,
             {QStringLiteral("中文"), QStringLiteral("Cesky"), QStringLiteral("Deutsch"),
              QStringLiteral("English"), QStringLiteral("Espanol"), QStringLiteral("Italiano"),
              QStringLiteral("Francais"), QStringLiteral("Lingua"), QStringLiteral("Magyar"),
              QStringLiteral("Portugues"), QStringLiteral("Slovensko"), QStringLiteral("Suomi")},
             QStringLiteral("English"), selector, pixels(3000, 3720, 1695, 480));
    addLabel(&window, QStringLiteral("Veltrane"), designedFont(times, 96, true),
             pixels(840, 720, 9930, 2055));
    addLabel(&window, QStringLiteral("Version 09.01.01"), designedFont(times, 15.75, true),
             pixels(7800, 7800, 2415, 375));
    addLabel(&window, QStringLiteral("Camera"), selector, pixels(6600, 3720, 1215, 495));
    addLabel(&window, QStringLiteral("Language"), selector, pixels(1440, 3720, 1335, 495));

    window.show();
    return QApplication::exec();
}
