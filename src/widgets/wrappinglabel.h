#pragma once

#include <QFontMetricsF>
#include <QLabel>
#include <QStringList>

// A label whose caption wraps at every space, so that a run of leading spaces fills whole
// lines and pushes the words further down, as the launcher's tiles are designed.
// QLabel's own word wrap keeps a run of spaces on the first line and shows the words there.
class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The caption as it is drawn in the given width, one entry per line.
    static QStringList wrapAtSpaces(const QString &text, const QFontMetricsF &metrics, qreal width);

protected:
    void paintEvent(QPaintEvent *event) override;
};
