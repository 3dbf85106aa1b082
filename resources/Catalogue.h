// What the program carries inside its executable, addressed by type and id.
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace Catalogue {

struct Bitmap
{
    int id;
    int width;
    int height;
    int rows; // the grid the program cuts it into
    int columns;
};

// Picture sets 101..105 (ten stages), letter styles 111..121 (60 cells), backgrounds 200..203.
std::span<const Bitmap> bitmaps();
const Bitmap *bitmap(int id);

struct Sound
{
    int id;
    int sampleRate;
    int lengthMs;
};
std::span<const Sound> sounds();

inline constexpr int kLanguageTable = 1000; // type "CUSTOM"
inline constexpr int kFirstPictureSet = 101;
inline constexpr int kLastPictureSet = 105;
inline constexpr int kFirstLetterStyle = 111;
inline constexpr int kLetterStyles = 11;
inline constexpr int kFirstBackground = 200;
inline constexpr int kBackgrounds = 4;

// The pictures of the windows' own look, by name: "tafel", "logo", "tool_start", "flag_0"...
struct WindowPicture
{
    const char *name;
    int width;
    int height;
};
std::span<const WindowPicture> windowPictures();

// The resource path of (type, id): type "WAV", "CUSTOM" or "BITMAP" (any case).
// Empty for an unknown type.
QString resourcePath(QStringView type, int id);
QString windowPicturePath(QStringView name);
// The window picture of language index 0..6's flag: "flag_3".
QString flagPicture(int language);

struct Version
{
    int major;
    int minor;
    int revision;
};
inline constexpr Version kVersion{1, 31, 555};

} // namespace Catalogue
