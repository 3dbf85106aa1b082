// The steps of a start, in their order. main() calls them one by one; they all run under the
// error handler of "Main", as one procedure, so a step the user chose to leave ends the rest.
#pragma once

#include "ErrorConvention.h"
#include "ErrorReporting.h"
#include "MessageBoxDialogs.h"
#include "SettingsNotice.h"
#include "StartupChecks.h"

#include <QPointer>

#include <memory>

class frmInfo;
class frmQuendo;
class StartupPrefetch;

// Wall-clock milestones on standard error, for the start-up benchmark (tools/bench/startup.sh).
void traceStartup(const char *milestone);

// Decoded pictures are large and come and go with the words: each taken from the system and
// given back whole leaves no holes.
void keepLargePicturesApart();

class StartUp
{
public:
    // Puts the error report in place and starts fetching the first pictures on the second core.
    // Needs the application object.
    StartUp();
    // Closes the main window, then the sound and the speech, before the application object goes.
    ~StartUp();
    StartUp(const StartUp &) = delete;
    StartUp &operator=(const StartUp &) = delete;

    // False when another copy of the program runs already: this one ends, saying nothing.
    bool isTheOnlyCopy();
    void chooseLanguage();
    void placeLanguageTable();
    void tellWhatIsKept();
    void countThisStart();
    void showSplash();
    void loadMainWindow();
    void waitForSplash();
    // False when the main window could not be loaded.
    bool showMainWindow();
    void warmUpSound();
    void warmUpSpeech();

private:
    MessageBoxDialogs m_errorDialogs = MessageBoxDialogs::bilingual();
    const ErrorReporting m_errorReporting{m_errorDialogs};
    std::unique_ptr<StartupPrefetch> m_prefetch;
    MessageBoxDialogs m_dialogs;
    SettingsNotice m_settingsNotice{m_dialogs};
    TempFolder m_temp;
    SingleCopyCheck m_copy;
    qint16 m_starts = 0;
    QPointer<frmInfo> m_splash;
    std::unique_ptr<frmQuendo> m_window;
    Procedure m_proc{Proc::Allgemein::Main};
};
