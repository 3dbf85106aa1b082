// Sound effects as the game asks for them; the program plays WAV resources, tests record ids.
#pragma once

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts sound id and returns at once; a new sound cuts off the one before.
    virtual void play(int id) = 0;
};
