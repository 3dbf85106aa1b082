// Writes of the user's settings that fail: found out where they happen, told to the user once
// per run in the interface language, in words a teacher understands (not as a technical report).
#pragma once

#include <QString>

enum class WriteTrouble
{
    Full,   // the disk is full, the user's quota is used up, or files may grow no further
    Refused // the file or its folder cannot be written
};

// What a write that failed with errno err (0 when unknown) in folder was up against.
WriteTrouble writeTroubleAt(const QString &folder, int err);

// A write of the settings file or the start counter failed; the old file stays as it was.
// Goes to the listener in place, if any.
void settingsNotSaved(WriteTrouble trouble, const QString &path);

// Whoever tells the user about a failed settings write, set up above the settings. Only one
// is in place at a time; it takes itself out when it goes.
class SaveTroubleListener
{
public:
    SaveTroubleListener();
    virtual ~SaveTroubleListener();
    SaveTroubleListener(const SaveTroubleListener &) = delete;
    SaveTroubleListener &operator=(const SaveTroubleListener &) = delete;

    virtual void tell(WriteTrouble trouble, const QString &path) = 0;
};
