// One libFuzzer target per check; PF_FUZZ_CHECK names the check it runs.

#include "fuzz/fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!pf::fuzz::PF_FUZZ_CHECK(bytes))
        std::abort();
    return 0;
}
