#pragma once

// What the window tests share: the two setup windows told apart, and controls found by their
// system names with a clear failure when one is missing.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaType>
#include <QStringList>

enum class Kind { Mms, Smtp };
Q_DECLARE_METATYPE(Kind)

inline const QString kSuccess = QStringLiteral("Create configure file success.");

template<typename T = QWidget> T *child(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
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
inline QString modeBoxOf(Kind kind)
{
    return kind == Kind::Mms ? QStringLiteral("Combo2") : QStringLiteral("Combo1");
}

inline QStringList modeFieldsOf(Kind kind)
{
    if (kind == Kind::Mms)
        return {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    return {"Text1", "Text2", "Text3"};
}

inline QString pathFieldOf(Kind kind)
{
    return kind == Kind::Mms ? QStringLiteral("Text17") : QStringLiteral("Text18");
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
