// Reading aloud: texts handed to a speech engine in the interface language, one after another
// or cutting off the one before. Like the sounds, the engine is a module of its own, loaded
// only when reading aloud is on.
#pragma once

#include "Language.h"

#include <QLocale>
#include <QString>

#include <memory>

// The speech engine as Say uses it; the program's is Qt TextToSpeech, tests use a fake.
class SpeechOutput
{
public:
    virtual ~SpeechOutput() = default;
    // Hands text to the engine and returns at once. With cutOff, what is being said and what
    // waits stop first; without, text waits for them.
    virtual void say(const QString &text, const QLocale &locale, bool cutOff) = 0;
    virtual void stop() = 0;
    // Connects to the engine ahead of the first text (this may start the speech server).
    virtual void warmUp() {}
};

// The voice's locale of an interface language.
QLocale speechLocale(Language language);

// Why reading aloud cannot work here, in the interface language ("(no speech output)"), or
// empty. Looks for the module in folder (the program folder by default), the engine's Qt
// plug-in and the speech server, without loading any of them.
QString speechUnavailable();
QString speechUnavailable(const QString &folder);

// The Qt TextToSpeech output from the speech module in folder. Without a usable module or
// engine the output is silent and one line on standard error says why.
std::unique_ptr<SpeechOutput> makeSystemSpeechOutput(const QString &folder);

// Replaces the output Say uses (tests); returns the previous one.
std::unique_ptr<SpeechOutput> setSpeechOutput(std::unique_ptr<SpeechOutput> output);

// Says text in the interface language; returns at once. The module is loaded at the first
// text, or by warmUpSpeech.
void Say(const QString &text, bool cutOff);
void warmUpSpeech();
// Stops speaking and lets the engine go; must run before the application object goes.
void shutdownSpeech();
