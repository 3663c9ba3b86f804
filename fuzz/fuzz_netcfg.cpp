// Compose and encode from arbitrary field texts.
#include "fuzzreport.h"
#include "oracles/netcfgoracles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(oracles::checkComposeAndEncode(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    return 0;
}
