// One libFuzzer target: QUENDO_FUZZ_CHECK names the check of FuzzChecks it runs.
#include "FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const FuzzChecks::Check check =
        FuzzChecks::checkNamed(QStringLiteral(QUENDO_FUZZ_CHECK));
    if (!check)
        std::abort();
    const QString broken =
        check(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "quendo fuzz %s: %s\n", QUENDO_FUZZ_CHECK, qPrintable(broken));
        std::abort();
    }
    return 0;
}
