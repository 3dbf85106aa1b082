// Cost of one GetLang lookup, which reads the language table file anew each time.
#include "BenchFolder.h"
#include "Language.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const BenchFolder dir;
    if (!dir.ready())
        return 1;

    // Early, middle and late keys of the table, in all languages.
    const int ids[] = {101, 166, 182, 300, 349};
    constexpr int rounds = 2000;
    qsizetype chars = 0;
    QElapsedTimer clock;
    clock.start();
    for (int r = 0; r < rounds; ++r) {
        for (const int id : ids)
            chars += Language::fromIndex(r % 7).text(id).size();
    }
    const double perLookupUs = double(clock.nsecsElapsed()) / 1000.0 / (rounds * 5);
    std::printf("GetLang: %.1f us per lookup (%d lookups, %lld characters)\n", perLookupUs,
                rounds * 5, static_cast<long long>(chars));
    return 0;
}
