#include "StartupPictures.h"

#include "Catalogue.h"
#include "SettingsTable.h"

namespace StartupPictures {

QStringList design()
{
    QStringList paths;
    for (const Catalogue::WindowPicture &picture : Catalogue::windowPictures())
        paths.append(Catalogue::windowPicturePath(QString::fromLatin1(picture.name)));
    return paths;
}

QStringList chosenBySettings()
{
    // Only a first look: a stored value out of range is reported when the window loads.
    const int letter = Setting::peek(Setting::LetterStyle);
    const int back = Setting::peek(Setting::Background);
    return {Catalogue::resourcePath(u"BITMAP", Catalogue::kFirstLetterStyle + letter),
            Catalogue::resourcePath(u"BITMAP", Catalogue::kFirstBackground + back)};
}

} // namespace StartupPictures
