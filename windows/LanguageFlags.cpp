#include "LanguageFlags.h"

#include "ClickableImage.h"
#include "SettingsTable.h"

void markLanguageFlag(const LanguageFlags &flags)
{
    for (int i = 0; i < kLanguageCount; ++i)
        flags[size_t(i)]->setMarked(i == currentLanguage().index());
}

void switchLanguage(Language language, const LanguageFlags &flags)
{
    setCurrentLanguage(language);
    markLanguageFlag(flags);
    Setting::write(Setting::Language, language.base());
}
