#include "widgets/simplecombobox.h"

#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStylePainter>

SimpleComboBox::SimpleComboBox(QWidget *parent)
    : QComboBox(parent)
{ }

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
