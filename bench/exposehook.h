#pragma once

class QWidget;

// Called once, from the event loop, right after the first expose of the top-level widget named
// "Form1" has been handled (and so painted). Each start-up executable defines it.
void afterFirstExpose(QWidget *window);

// Peak resident memory of this process so far, in KiB; -1 where the system does not say.
long peakResidentKiB();

// What the start-up executables are asked to do at the first expose (BENCH_MODE).
enum class BenchMode { StartUp, PeakMemory };
BenchMode benchMode();
