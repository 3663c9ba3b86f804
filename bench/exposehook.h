#pragma once

class QWidget;

// Called once, from the event loop, right after the first expose of the top-level widget named
// "Form1" has been handled (and so painted). Each start-up executable defines it.
void afterFirstExpose(QWidget *window);

// Peak resident memory of this process so far, in KiB; -1 where the system does not say.
long peakResidentKiB();

// What the start-up executables are asked to do at the first expose (BENCH_MODE): end at once
// ("start-up"), or print the peak resident memory so far in KiB and end ("peak-memory").
// The application alone also knows "peak-memory-after-windows" (both setup windows opened and
// closed first) and the openings counted by callgrind: "open-mms" and "open-smtp" open that
// window from its tile in measuredOpening() (the run's first opening), "open-mms-again" and
// "open-smtp-again" open and close it once before that.
enum class BenchMode {
    StartUp,
    PeakMemory,
    PeakMemoryAfterWindows,
    OpenMms,
    OpenMmsAgain,
    OpenSmtp,
    OpenSmtpAgain,
};
BenchMode benchMode();

// What a floor does at its first expose: prints its peak memory when asked to, and ends.
[[noreturn]] void endFloorAtFirstExpose();
