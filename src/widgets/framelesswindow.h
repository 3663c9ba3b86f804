#pragma once

#include "widgets/controldesign.h"

#include <QPointF>
#include <QWidget>

// A borderless window of ours, built from its WindowDesign: not listed in the task bar,
// dragged by its background with the left button alone, and ended with Esc.
//
// Drag: any button press on the background records the anchor (window coordinates);
// a move with exactly the left button held moves the window by the pointer's offset from
// the anchor. Presses and moves over controls belong to the controls.
// Key preview: Esc (character 27) typed anywhere in this window emits quitRequested();
// Enter on a focused button presses it; every other key goes on to the focused control.
// Esc in a dialog of ours is the dialog's.
// The window is centred on its screen when it is first shown, before the desktop sees it.
class FramelessWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FramelessWindow(const WindowDesign &design, QWidget *parent = nullptr);
    ~FramelessWindow() override;

    // The control with this system name; nullptr if there is none.
    template<typename T = QWidget> T *control(const QString &name) const
    {
        return findChild<T *>(name);
    }

    QPointF dragAnchor() const { return m_dragAnchor; }

    void setVisible(bool visible) override;

signals:
    // Esc was pressed in this window: the application ends.
    void quitRequested();
    // The window was closed, by its own Exit or by the desktop.
    void closed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isOverBackground(const QPointF &position) const;

    QPointF m_dragAnchor; // starts at (0, 0)
    bool m_placed = false;
};
