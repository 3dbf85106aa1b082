// One libFuzzer target: QUENDO_FUZZ_CHECK names the check of FuzzChecks it runs.
#include "FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString name = QStringLiteral(QUENDO_FUZZ_CHECK);
    const QString broken = FuzzChecks::check(
        name, QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "quendo fuzz %s: %s\n", QUENDO_FUZZ_CHECK, qPrintable(broken));
        std::abort();
    }
    return 0;
}
