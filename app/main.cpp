// Main: one copy per user, the start counter, the first language, the language table in the
// temporary folder (and in memory), the info box as splash while the main window loads, then the
// main window until it closes.
#include "Sound.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    keepLargePicturesApart();
    traceStartup("main entered");
    installAudioWarningFilter();
    QApplication app(argc, argv);
    traceStartup("application created");

    StartUp start;
    if (!start.isTheOnlyCopy())
        return 0;
    start.chooseLanguage();
    start.placeLanguageTable();
    start.tellWhatIsKept();
    start.countThisStart();
    start.showSplash();
    start.loadMainWindow();
    start.waitForSplash();
    if (!start.showMainWindow())
        return 1;
    start.warmUpSound();
    start.warmUpSpeech();
    return QApplication::exec();
}
