#include "widgets/controlbuilder.h"

#include "widgets/focusframe.h"
#include "widgets/onelinevalidator.h"
#include "widgets/simplecombobox.h"
#include "widgets/wrappinglabel.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

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
    case Colour::Base:
        // Not Qt's Window role: that is the grey face of dialogs.
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

namespace {

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

// A combo box is filled once it has its place and its font: a font set afterwards made it lay
// its whole list out again, and its text field its text. Its text field is made once the
// designed entry is current, so that the field lays out the shown text only: made before, it
// laid out the first entry, which the list selects on its own, and, before the box had its font,
// an empty text in the default font. Having its size already, the box is not resized to a size
// hint measured over its list when it is made editable.
void setComboText(QComboBox *combo, const ControlDesign &design)
{
    combo->addItems(design.items);
    // The shown text is the designed one; it selects a list entry only when it is one.
    combo->setCurrentIndex(combo->findText(design.text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr); // typed text stays as typed
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
    case ControlKind::SimpleCombo:
        return new SimpleComboBox(parent);
    case ControlKind::DropDownCombo:
        return new QComboBox(parent); // made editable once filled
    case ControlKind::Button: {
        auto *button = new QPushButton(design.text, parent);
        showKeyboardFocus(button);
        return button;
    }
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
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            setComboText(combo, control);
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

    for (const LabelFor &link : design.labels) {
        auto *label = qobject_cast<QLabel *>(built.value(link.label));
        QWidget *control = built.value(link.control);
        if (!label || !control) {
            qWarning("%s: the label %s of %s is not declared", qPrintable(design.name),
                     qPrintable(link.label), qPrintable(link.control));
            continue;
        }
        label->setBuddy(control);
    }

    QWidget *previous = nullptr;
    for (const QString &name : design.tabOrder) {
        QWidget *widget = built.value(name);
        if (!widget) {
            qWarning("%s: %s in the tab order is not declared", qPrintable(design.name),
                     qPrintable(name));
            continue;
        }
        // A control in the tab order takes the focus (a launcher tile is a label otherwise).
        if (widget->focusPolicy() == Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
