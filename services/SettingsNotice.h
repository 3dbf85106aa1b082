// Failed settings writes told to the user once per run, in the interface language and in words
// a teacher understands (not as a technical report).
#pragma once

#include "SaveTrouble.h"

class Dialogs;

// Tells the first failure of a run with a message box; every later one is left unsaid. While
// held back (after the start-up has said that nothing can be kept, until the main window shows)
// failures are not told and do not use up the one message.
class SettingsNotice final : public SaveTroubleListener
{
public:
    explicit SettingsNotice(Dialogs &dialogs) : m_dialogs(dialogs) {}

    void holdBack(bool held) { m_heldBack = held; }
    void tell(WriteTrouble trouble, const QString &path) override;

private:
    Dialogs &m_dialogs;
    bool m_told = false;
    bool m_heldBack = false;
};
