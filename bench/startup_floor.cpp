// The floor of start-up: a bare frameless widget of the launcher's size, shown and exposed.
#include "exposehook.h"

#include <QApplication>
#include <QWidget>

void afterFirstExpose(QWidget *)
{
    endFloorAtFirstExpose();
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("Form1"));
    window.resize(774, 570);
    window.show();
    return QApplication::exec();
}
