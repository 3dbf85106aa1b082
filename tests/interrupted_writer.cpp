// Saves a word list or a setting under a file-size limit that kills the process part way
// through the new copy, as a crash or a kill at that moment would.
//   interrupted_writer wordlist|settings FOLDER LIMIT-BYTES
#include "Places.h"
#include "Settings.h"
#include "VocabularyFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>

#include <sys/resource.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    const QString folder = args[2];
    QStringList entries;
    for (int i = 0; i < 20000; ++i)
        entries << QStringLiteral("Eintrag %1").arg(i);

    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = args[3].toULong();
    setrlimit(RLIMIT_FSIZE, &limit);

    if (args[1] == u"wordlist") {
        VocabularyFile::writeFile(folder + QStringLiteral("/quendo.dat"), entries);
    } else {
        setProgramFolder(folder);
        SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Spieler1"),
                entries.join(QLatin1Char(' ')));
    }
    return 0; // reached only when the limit did not bite
}
