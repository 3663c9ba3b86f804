#include "setup/controlbuilder.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QValidator>

#include <cmath>

int twipsToPixels(int twips)
{
    return qRound(double(twips) / kTwipsPerPixel);
}

QColor systemColour(Colour colour)
{
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case Colour::Default:
        return {};
    case Colour::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case Colour::HighlightText:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case Colour::Window:
        // The desktop's window background is the ground of a window's contents (white by
        // default), which Qt calls Base; Qt's Window role is the grey face of dialogs.
        return palette.color(QPalette::Active, QPalette::Base);
    case Colour::White:
        return QColor(255, 255, 255);
    case Colour::Blue:
        return QColor(0, 0, 255);
    }
    return {};
}

QPixmap drawLogo(const QSize &size, const QColor &ground, const QColor &sign)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(ground);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    const qreal pen = qMax<qreal>(1.5, side / 14);
    const QRectF ring = QRectF(QPointF(0, 0), QSizeF(side, side))
                            .adjusted(pen * 1.5, pen * 1.5, -pen * 1.5, -pen * 1.5);
    painter.setPen(QPen(sign, pen));
    painter.drawEllipse(ring.translated((size.width() - side) / 2, (size.height() - side) / 2));

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(std::lround(ring.height() * 0.62))));
    painter.setFont(font);
    painter.drawText(QRectF(QPointF(0, 0), QSizeF(size)), Qt::AlignCenter, QStringLiteral("R"));
    return pixmap;
}

SimpleComboBox::SimpleComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
}

void SimpleComboBox::showPopup()
{
    // The list of a simple combo box is never shown.
}

void SimpleComboBox::paintEvent(QPaintEvent *)
{
    // The frame of a text field, without the button part of a combo box.
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    if (lineEdit() && lineEdit()->hasFocus())
        frame.state |= QStyle::State_HasFocus;
    painter.drawPrimitive(QStyle::PE_PanelLineEdit, frame);
}

void SimpleComboBox::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    stretchEditor();
}

void SimpleComboBox::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    stretchEditor();
}

void SimpleComboBox::showEvent(QShowEvent *event)
{
    QComboBox::showEvent(event);
    stretchEditor();
}

void SimpleComboBox::stretchEditor()
{
    if (!lineEdit())
        return;
    // The text takes the whole box, where a drop-down combo box has its button.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field
        = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int margin = field.left();
    lineEdit()->setGeometry(
        rect().adjusted(margin, field.top(), -margin, -(height() - 1 - field.bottom())));
}

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

namespace {

// A one-line field holds no line break: one that comes in with pasted or dropped text is left
// out, so that each value stays on its own key's line in NET.CFG.
class OneLineValidator final : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input[i] == u'\r' || input[i] == u'\n') {
                input.remove(i, 1);
                if (i < position)
                    --position;
            }
        }
        return Acceptable;
    }
};

// The palette roles that carry a control's text colour and its background, by kind.
QList<QPalette::ColorRole> foregroundRoles(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Panel:
        // The group box title is drawn in Text by some styles and in WindowText by others.
        return {QPalette::WindowText, QPalette::Text};
    case ControlKind::PlainPanel:
    case ControlKind::Label:
    case ControlKind::WrappingLabel:
    case ControlKind::Picture:
        return {QPalette::WindowText};
    case ControlKind::TextField:
        return {QPalette::Text};
    case ControlKind::SimpleCombo:
    case ControlKind::DropDownCombo:
        return {QPalette::Text, QPalette::ButtonText};
    case ControlKind::Button:
        return {QPalette::ButtonText};
    }
    return {};
}

QList<QPalette::ColorRole> backgroundRoles(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Panel:
    case ControlKind::PlainPanel:
    case ControlKind::Label:
    case ControlKind::WrappingLabel:
    case ControlKind::Picture:
        return {QPalette::Window};
    case ControlKind::TextField:
        return {QPalette::Base};
    case ControlKind::SimpleCombo:
    case ControlKind::DropDownCombo:
        return {QPalette::Base, QPalette::Button};
    case ControlKind::Button:
        return {QPalette::Button};
    }
    return {};
}

bool fillsBackground(ControlKind kind)
{
    return backgroundRoles(kind).contains(QPalette::Window);
}

// Every control states its own text colour (the application's where none is designed), so
// that a panel's caption colour does not spread to the controls inside it. The colour is set
// for the active and inactive states only: a disabled control is greyed as the style does it.
void applyColours(QWidget *widget, const ControlDesign &design)
{
    QPalette palette = widget->palette();
    const QPalette application = QApplication::palette(widget);
    const QColor foreground = systemColour(design.foreground);
    for (QPalette::ColorRole role : foregroundRoles(design.kind)) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, role,
                             foreground.isValid() ? foreground : application.color(group, role));
        }
    }
    const QColor background = systemColour(design.background);
    if (background.isValid()) {
        for (QPalette::ColorRole role : backgroundRoles(design.kind))
            palette.setColor(role, background);
        widget->setAutoFillBackground(fillsBackground(design.kind));
    }
    widget->setPalette(palette);
}

bool isDefault(const FontDesign &font)
{
    return font.family.isEmpty() && font.pointSize <= 0;
}

QFont makeFont(const FontDesign &design, const QFont &base)
{
    QFont font = base;
    if (!design.family.isEmpty())
        font.setFamily(design.family);
    if (design.pointSize > 0)
        font.setPointSizeF(design.pointSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

void setComboText(QComboBox *combo, const ControlDesign &design)
{
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr); // typed text stays as typed
    combo->addItems(design.items);
    // The shown text is the designed one; it selects a list entry only when it is one.
    combo->setCurrentIndex(combo->findText(design.text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo->setEditText(design.text);
}

QWidget *createControl(const ControlDesign &design, QWidget *parent)
{
    switch (design.kind) {
    case ControlKind::Panel: {
        auto *panel = new QGroupBox(design.text, parent);
        return panel;
    }
    case ControlKind::PlainPanel: {
        auto *panel = new QFrame(parent);
        panel->setFrameShape(QFrame::NoFrame);
        return panel;
    }
    case ControlKind::Label:
    case ControlKind::WrappingLabel: {
        auto *label = design.kind == ControlKind::WrappingLabel ? new WrappingLabel(parent)
                                                                : new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText(design.text);
        return label;
    }
    case ControlKind::TextField: {
        auto *field = new QLineEdit(design.text, parent);
        field->setValidator(new OneLineValidator(field));
        return field;
    }
    case ControlKind::SimpleCombo: {
        auto *combo = new SimpleComboBox(parent);
        setComboText(combo, design);
        return combo;
    }
    case ControlKind::DropDownCombo: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        setComboText(combo, design);
        return combo;
    }
    case ControlKind::Button:
        return new QPushButton(design.text, parent);
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignCenter);
        return picture;
    }
    }
    return nullptr;
}

} // namespace

void buildWindow(QWidget *window, const WindowDesign &design)
{
    window->setObjectName(design.name);
    window->setWindowTitle(design.title);
    window->setFixedSize(twipsToPixels(design.clientTwips.width()),
                         twipsToPixels(design.clientTwips.height()));
    if (!isDefault(design.font))
        window->setFont(makeFont(design.font, window->font()));
    if (const QColor background = systemColour(design.background); background.isValid()) {
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, background);
        window->setPalette(palette);
        window->setAutoFillBackground(true);
    }

    QHash<QString, QWidget *> built;
    for (const ControlDesign &control : design.controls) {
        QWidget *parent = window;
        if (!control.parent.isEmpty()) {
            parent = built.value(control.parent);
            if (!parent) {
                qWarning("%s: %s is placed in %s, which is not declared before it",
                         qPrintable(design.name), qPrintable(control.name),
                         qPrintable(control.parent));
                parent = window;
            }
        }
        QWidget *widget = createControl(control, parent);
        widget->setObjectName(control.name);
        widget->setGeometry(twipsToPixels(control.twips.x()), twipsToPixels(control.twips.y()),
                            twipsToPixels(control.twips.width()),
                            twipsToPixels(control.twips.height()));
        if (!isDefault(control.font))
            widget->setFont(makeFont(control.font, window->font()));
        applyColours(widget, control);
        if (control.kind == ControlKind::Picture) {
            const QColor ground = systemColour(control.background);
            const QColor sign = systemColour(control.foreground);
            static_cast<QLabel *>(widget)->setPixmap(drawLogo(
                widget->size(), ground.isValid() ? ground : systemColour(Colour::Highlight),
                sign.isValid() ? sign : systemColour(Colour::HighlightText)));
        }
        // Labels are drawn on their container's surface, beneath every other kind of control.
        if (control.kind == ControlKind::Label || control.kind == ControlKind::WrappingLabel)
            widget->lower();
        widget->setEnabled(control.enabled == Enabled::Yes);
        if (control.visibility == Visibility::Hidden)
            widget->hide();
        built.insert(control.name, widget);
    }

    QWidget *previous = nullptr;
    for (const QString &name : design.tabOrder) {
        QWidget *widget = built.value(name);
        if (!widget) {
            qWarning("%s: %s in the tab order is not declared", qPrintable(design.name),
                     qPrintable(name));
            continue;
        }
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

#include "controlbuilder.moc"
