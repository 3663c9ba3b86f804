// The destination rule and the folder button's Path text from arbitrary Path texts.
#include "fuzzreport.h"
#include "oracles/netcfgoracles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(oracles::checkDestination(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    return 0;
}
