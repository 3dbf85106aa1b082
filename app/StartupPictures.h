// The pictures the first windows show, for decoding ahead at start-up (StartupPrefetch): every
// picture of the windows' own look, and the letter style and background the settings choose.
#pragma once

#include <QStringList>

namespace StartupPictures {

// Resource paths at ratio 1.
QStringList design();
QStringList chosenBySettings();

} // namespace StartupPictures
