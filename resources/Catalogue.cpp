#include "Catalogue.h"

namespace Catalogue {

namespace {

constexpr Bitmap kBitmaps[] = {
    {101, 300, 2000, 10, 1}, {102, 300, 2000, 10, 1}, {103, 300, 2000, 10, 1},
    {104, 300, 2000, 10, 1}, {105, 300, 2000, 10, 1}, {111, 300, 240, 6, 10},
    {112, 300, 240, 6, 10},  {113, 300, 240, 6, 10},  {114, 300, 240, 6, 10},
    {115, 300, 240, 6, 10},  {116, 300, 240, 6, 10},  {117, 300, 240, 6, 10},
    {118, 300, 240, 6, 10},  {119, 300, 240, 6, 10},  {120, 300, 240, 6, 10},
    {121, 300, 240, 6, 10},  {200, 640, 480, 1, 1},   {201, 640, 480, 1, 1},
    {202, 640, 480, 1, 1},   {203, 640, 480, 1, 1},
};

constexpr Sound kSounds[] = {
    {100, 11025, 480}, {101, 11025, 80},   {102, 11025, 10},   {103, 11025, 30},
    {104, 9266, 170},  {105, 11013, 2400}, {106, 7500, 730},   {107, 12000, 640},
    {108, 12000, 930}, {109, 11025, 1000}, {110, 11025, 1300},
};

constexpr WindowPicture kWindowPictures[] = {
    {"tafel", 300, 200},      {"logo", 300, 60},      {"tool_start", 32, 32},
    {"tool_end", 32, 32},     {"tool_back", 32, 32},  {"tool_letter", 32, 32},
    {"tool_options", 32, 32}, {"tool_help", 32, 32},  {"tool_next", 32, 32},
    {"flag_0", 32, 20},       {"flag_1", 32, 20},     {"flag_2", 32, 20},
    {"flag_3", 32, 20},       {"flag_4", 32, 20},     {"flag_5", 32, 20},
    {"flag_6", 32, 20},       {"info_art", 356, 330}, {"info_small", 32, 32},
    {"icon", 50, 50},
};

} // namespace

std::span<const Bitmap> bitmaps()
{
    return kBitmaps;
}

const Bitmap *bitmap(int id)
{
    for (const Bitmap &b : kBitmaps) {
        if (b.id == id)
            return &b;
    }
    return nullptr;
}

std::span<const Sound> sounds()
{
    return kSounds;
}

std::span<const WindowPicture> windowPictures()
{
    return kWindowPictures;
}

QString resourcePath(QStringView type, int id)
{
    const QString n = QString::number(id);
    if (type.compare(u"WAV", Qt::CaseInsensitive) == 0)
        return QStringLiteral(":/res/wav/") + n + QStringLiteral(".wav");
    if (type.compare(u"CUSTOM", Qt::CaseInsensitive) == 0)
        return QStringLiteral(":/res/custom/") + n;
    if (type.compare(u"BITMAP", Qt::CaseInsensitive) == 0)
        return QStringLiteral(":/res/bitmap/") + n + QStringLiteral(".png");
    return {};
}

QString windowPicturePath(QStringView name)
{
    return QStringLiteral(":/res/window/") + name.toString() + QStringLiteral(".png");
}

QString flagPicture(int language)
{
    return QStringLiteral("flag_%1").arg(language);
}

} // namespace Catalogue
