// Writes of the user's settings that fail: found out where they happen, told to the user once
// per run in the interface language, in words a teacher understands (not as a technical report).
#pragma once

#include <QString>

class Dialogs;

enum class WriteTrouble
{
    Full,   // the disk is full, the user's quota is used up, or files may grow no further
    Refused // the file or its folder cannot be written
};

// What a write that failed with errno err (0 when unknown) in folder was up against.
WriteTrouble writeTroubleAt(const QString &folder, int err);

// A write of the settings file or the start counter failed; the old file stays as it was.
// Goes to the notice in place, if any.
void settingsNotSaved(WriteTrouble trouble, const QString &path);

// Tells the first failure of a run with a message box; every later one is left unsaid. While
// held back (after the start-up has said that nothing can be kept, until the main window shows)
// failures are not told and do not use up the one message. Only one notice is in place at a
// time; it takes itself out when it goes.
class SettingsNotice
{
public:
    explicit SettingsNotice(Dialogs &dialogs);
    ~SettingsNotice();
    SettingsNotice(const SettingsNotice &) = delete;
    SettingsNotice &operator=(const SettingsNotice &) = delete;

    void holdBack(bool held) { m_heldBack = held; }
    void tell(WriteTrouble trouble, const QString &path);

private:
    Dialogs &m_dialogs;
    bool m_told = false;
    bool m_heldBack = false;
};
