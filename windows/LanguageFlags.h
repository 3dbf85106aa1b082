// The row of seven language flags that the board and the info box both show.
#pragma once

#include "Language.h"

#include <array>

class ClickableImage;

using LanguageFlags = std::array<ClickableImage *, kLanguageCount>;

// Frames the flag of the interface language, and only that one.
void markLanguageFlag(const LanguageFlags &flags);

// A flag clicked: its language becomes the interface language, its flag is framed, and the
// choice is stored for the next start.
void switchLanguage(Language language, const LanguageFlags &flags);
