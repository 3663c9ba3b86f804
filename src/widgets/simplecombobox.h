#pragma once

#include <QComboBox>

// The "simple" combo box: an editable text field whose list is never shown, so it has no
// drop-down button and no pop-up. Its list is still there and the arrow keys move through it.
// buildWindow() makes it editable once its list and current entry are set.
class SimpleComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SimpleComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void stretchEditor();
};
