#pragma once

#include <QString>
#include <QStringList>

// A setup window's controls, by their system names ("Text7", "Combo3"), as the field maps
// (fieldmap.h) bind a setup to them. The window implements it with its widgets; tests with a
// recording fake (tests/common/fakecontrols.h).
class NamedControls
{
public:
    virtual ~NamedControls() = default;

    // The text of a field or box.
    virtual QString text(const QString &name) const = 0;
    virtual void setText(const QString &name, const QString &text) = 0;
    // A box's list. setItems replaces it; the box's text stays as it is.
    virtual QStringList items(const QString &name) const = 0;
    virtual void setItems(const QString &name, const QStringList &items) = 0;
};
