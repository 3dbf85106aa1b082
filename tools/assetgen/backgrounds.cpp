#include "assetgen.h"
namespace assetgen {
void renderBackgrounds(const QDir &) {}
}
