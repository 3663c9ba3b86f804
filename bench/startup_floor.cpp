// The floor of start-up: a bare frameless widget of the launcher's size, shown and exposed.
#include "exposehook.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

void afterFirstExpose(QWidget *)
{
    if (benchMode() == BenchMode::PeakMemory)
        std::printf("%ld\n", peakResidentKiB());
    std::fflush(stdout);
    std::_Exit(0);
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
