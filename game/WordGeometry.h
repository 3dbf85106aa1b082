// Where the cells of a word stand: side by side at a pitch a little wider than a cell, centred
// on the board 10 units in from its left edge. The game lays words out with it; the window
// uses it for nothing else.
#pragma once

namespace WordGeometry {

// A cell's width × 1.1, to the nearest whole unit (halves to the even neighbour).
int cellPitch(int templateCellWidth);
// The width a word may take: the board's width less a margin of 10 on each side.
int usableWidth(int boardScaleWidth);
bool fits(int length, int pitch, int usableWidth);
// Left edge of cell position 1..length.
int cellLeft(int usableWidth, int length, int pitch, int position);

} // namespace WordGeometry
