#pragma once

#include <QObject>

class QLabel;

// A tile of the launcher: a label, as designed, that opens its window with a click (the left
// button pressed and released over it), or from the keyboard: it takes the focus with Tab,
// shows the keyboard's focus frame while it has it (widgets/focusframe.h), and Enter or Space
// activates it. To assistive technologies it is a button named by its caption without the
// leading spaces, whose press action activates it. A disabled tile does nothing. The tile is
// the label's child and goes with it.
class LauncherTile : public QObject
{
    Q_OBJECT

public:
    explicit LauncherTile(QLabel *label);

    QLabel *label() const { return m_label; }

    // What a click, Enter, Space and the press action do: emits activated() unless the tile
    // is disabled.
    void activate();

signals:
    void activated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
    bool m_pressed = false;
};
