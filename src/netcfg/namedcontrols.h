#pragma once

#include <QString>

// A setup window's controls, by their system names ("Text7", "Combo3"), as the file actions
// and the carrier steps see them. The window implements it with its widgets; tests with a
// recording fake (tests/common/fakecontrols.h).
class NamedControls
{
public:
    virtual ~NamedControls() = default;

    // The text of a field or box.
    virtual QString text(const QString &name) const = 0;
    virtual void setText(const QString &name, const QString &text) = 0;
    // Removes every item of a box's list and empties its text.
    virtual void clearList(const QString &name) = 0;
    // Appends an item to a box's list; the box's text stays as it is.
    virtual void addItem(const QString &name, const QString &item) = 0;
};
