#pragma once

// What the window tests share: the two setup windows told apart, and controls found by their
// system names with a clear failure when one is missing.

#include "actions/fieldmap.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaType>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <type_traits>

enum class Kind { Mms, Smtp };
Q_DECLARE_METATYPE(Kind)

inline const QString kSuccess = QStringLiteral("Create configure file success.");

// The control; when there is none, the test fails and gets a stand-in of the window's own, so
// that it runs to its end instead of crashing the whole executable.
template<typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    if (T *found = window->findChild<T *>(name))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("%1 has no %2 named %3")
                                .arg(window->objectName(), T::staticMetaObject.className(), name)),
                 __FILE__, __LINE__);
    using StandIn = std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
    auto *standIn = new StandIn(const_cast<QWidget *>(window));
    standIn->setObjectName(QStringLiteral("missing ") + name);
    return standIn;
}

inline QComboBox *box(const QWidget *window, const QString &name)
{
    return child<QComboBox>(window, name);
}

inline QLineEdit *field(const QWidget *window, const QString &name)
{
    return child<QLineEdit>(window, name);
}

// What a label, button, panel, text field or combo box shows.
inline QString textOf(const QWidget *window, const QString &name)
{
    QWidget *control = child(window, name);
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *panel = qobject_cast<QGroupBox *>(control))
        return panel->title();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    return field(window, name)->text();
}

inline QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list.append(combo->itemText(i));
    return list;
}

// The setting-mode box, the fields it switches, and the Path field of each window.
inline const WindowControls &controlsOf(Kind kind)
{
    if (kind == Kind::Mms)
        return fieldMap<MmsSettings>();
    return fieldMap<SmtpSettings>();
}

inline QString modeBoxOf(Kind kind)
{
    return controlsOf(kind).modeBox;
}

inline QStringList modeFieldsOf(Kind kind)
{
    return kind == Kind::Mms ? connectionControls<MmsSettings>()
                             : connectionControls<SmtpSettings>();
}

inline QString pathFieldOf(Kind kind)
{
    return controlsOf(kind).pathField;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
