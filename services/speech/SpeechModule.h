// What the program and its speech module agree on.
#pragma once

#include "Speech.h"

// Raised whenever SpeechOutput changes, so that a module left from another build is refused.
inline constexpr int kSpeechModuleVersion = 1;

// The module's one entry point: a new output owned by the caller, or null for another version.
inline constexpr char kSpeechModuleEntry[] = "quendo_createSpeechOutput";
using CreateSpeechOutput = SpeechOutput *(*)(int interfaceVersion);

// File name of the module in the program folder, without the platform's prefix and suffix.
inline constexpr char kSpeechModuleName[] = "quendo_speech";
// The engine the module speaks through: speech-dispatcher, with voices for every language.
inline constexpr char kSpeechEngine[] = "speechd";
