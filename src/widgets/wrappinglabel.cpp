#include "widgets/wrappinglabel.h"

#include <QPainter>
#include <QStyle>

QStringList WrappingLabel::wrapAtSpaces(const QString &text, const QFontMetricsF &metrics,
                                        qreal width)
{
    // Each piece is measured once: shaping the growing line again for every piece made the
    // launcher's first paint measurably slower.
    const qreal spaceWidth = metrics.horizontalAdvance(u' ');
    QStringList lines {QString()};
    qreal lineWidth = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        // The next piece: one space, or a word up to the next space.
        qsizetype end = start + 1;
        if (text[start] != u' ') {
            while (end < text.size() && text[end] != u' ')
                ++end;
        }
        const QString piece = text.mid(start, end - start);
        start = end;
        const bool space = piece == u" ";
        const qreal pieceWidth = space ? spaceWidth : metrics.horizontalAdvance(piece);
        // A hundredth of a pixel absorbs the rounding of the summed widths.
        if (!lines.last().isEmpty() && lineWidth + pieceWidth > width + 0.01) {
            lines.append(QString());
            lineWidth = 0;
            if (space) // the space where a line breaks is not drawn
                continue;
        }
        lines.last() += piece;
        lineWidth += pieceWidth;
    }
    return lines;
}

void WrappingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    int top = area.top();
    for (const QString &line : wrapAtSpaces(text(), QFontMetricsF(font()), area.width())) {
        const QRect lineArea(area.left(), top, area.width(), metrics.height());
        style()->drawItemText(&painter, lineArea, Qt::AlignLeft | Qt::AlignTop, palette(),
                              isEnabled(), line, foregroundRole());
        top += metrics.lineSpacing();
    }
}
