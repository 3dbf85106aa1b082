// Sound effects as the game asks for them; the program plays WAV resources, tests record ids.
#pragma once

#include "Sound.h"

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a new sound cuts off the one before.
    virtual void play(Wav::Id id) = 0;
};
