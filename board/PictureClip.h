// A picture cut into a grid of equal cells; cell k counts row by row from the top left.
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>

class PictureClip
{
public:
    PictureClip(int rows, int columns) : m_rows(rows), m_columns(columns) {}

    // Takes a new picture (its device pixel ratio is kept for every cell). Cells are cut when
    // first asked for and kept: the letter sheet's are small and shown again and again.
    void load(const QImage &picture);
    int count() const { return m_rows * m_columns; }
    // Raises a subscript error for a cell outside the grid or before a picture was loaded.
    QPixmap cell(int k) const;

private:
    int m_rows;
    int m_columns;
    QImage m_picture;
    mutable QList<QPixmap> m_cells;
};
