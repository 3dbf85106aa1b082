#include "WordGeometry.h"

#include <cmath>

namespace WordGeometry {

namespace {
constexpr int kMargin = 10;
}

int cellPitch(int templateCellWidth)
{
    // The default rounding mode takes halves to the even neighbour.
    return int(std::nearbyint(double(templateCellWidth) * 1.1));
}

int usableWidth(int boardScaleWidth)
{
    return boardScaleWidth - 2 * kMargin;
}

bool fits(int length, int pitch, int usableWidth)
{
    return static_cast<long long>(length) * pitch <= usableWidth;
}

int cellLeft(int usableWidth, int length, int pitch, int position)
{
    return (usableWidth - length * pitch) / 2 + kMargin + (position - 1) * pitch;
}

} // namespace WordGeometry
