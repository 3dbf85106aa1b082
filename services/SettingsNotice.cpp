#include "SettingsNotice.h"

#include "Dialogs.h"
#include "Language.h"
#include "Settings.h"
#include "TextIds.h"

#include <QDir>

void SettingsNotice::tell(WriteTrouble trouble, const QString &path)
{
    if (m_told || m_heldBack)
        return;
    m_told = true;
    const int text =
        trouble == WriteTrouble::Full ? Txt::SettingsDiskFull : Txt::SettingsNotWritable;
    m_dialogs.message(nullptr,
                      uiText(text) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path),
                      kAppTitle, Dialogs::Icon::Exclamation);
}
