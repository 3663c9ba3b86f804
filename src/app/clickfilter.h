#pragma once

#include <QObject>

class QWidget;

// Turns a widget that has no click of its own (a label) into one that reports clicks: a
// press of the left button over it and its release over it again. The filter is a child of
// the widget and goes with it.
class ClickFilter : public QObject
{
    Q_OBJECT

public:
    explicit ClickFilter(QWidget *target);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_target;
    bool m_pressed = false;
};
