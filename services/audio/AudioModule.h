// What the program and its sound module agree on.
#pragma once

#include "Sound.h"

// Raised whenever AudioOutput changes, so that a module left from another build is refused.
inline constexpr int kAudioModuleVersion = 1;

// The module's one entry point: a new output owned by the caller, or null for another version.
inline constexpr char kAudioModuleEntry[] = "quendo_createAudioOutput";
using CreateAudioOutput = AudioOutput *(*)(int interfaceVersion);

// File name of the module in the program folder, without the platform's prefix and suffix.
inline constexpr char kAudioModuleName[] = "quendo_audio";
