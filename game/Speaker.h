// What the game says aloud as it plays; the program hands it to a speech engine, tests record
// it. Like the sounds, every call returns at once: speech never holds up play.
#pragma once

#include <QString>

class Speaker
{
public:
    virtual ~Speaker() = default;
    // Cuts off what is being said (the child played on) and says text.
    virtual void say(const QString &text) = 0;
    // Says text once what is being said has been said.
    virtual void sayAfter(const QString &text) = 0;
};
