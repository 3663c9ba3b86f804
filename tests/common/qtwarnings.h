#pragma once

#include <QRegularExpression>
#include <QTest>

// Makes any Qt warning fail the running test, but those of the offscreen platform, which
// cannot raise a window, grab the keyboard or pass size hints on ("This plugin does not
// support raise()"). Called from a widget test's init().
inline void failOnQtWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}
