// The caption step of a setup window's opening, with arbitrary language texts.
#include "fuzzreport.h"
#include "oracles/captionoracles.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

namespace {

oracles::CaptionOracle *oracle = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Headless; the application and the oracle's windows live for the whole run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_captions";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    oracle = new oracles::CaptionOracle;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(
        oracle->check(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    return 0;
}
