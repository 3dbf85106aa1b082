// The stages of the chalk drawing, one picture set decoded at a time. A new word names its set,
// which is decoded at the word's first miss and let go when the word is over or another set is
// named, so memory does not grow with the sets a game draws.
#pragma once

#include <QImage>
#include <QPixmap>

class PictureSequence
{
public:
    static constexpr int kStages = 10;

    // The set the coming stages are drawn from (bitmap id); the board shows the empty board.
    void announce(int bitmapId);
    // Stage 1..10 of the announced set at the device pixel ratio, decoded at the first call.
    // Raises a subscript error outside 1..10, and a resource error for a set that is missing.
    QPixmap stage(int stage, qreal devicePixelRatio);
    // The word is over: no stage is shown before the next word names its set.
    void release();
    // Picture sets held decoded: never more than one.
    int decodedSets() const { return m_picture.isNull() ? 0 : 1; }

private:
    int m_announced = 0;
    int m_decodedId = 0;
    qreal m_decodedRatio = 0;
    QImage m_picture; // all ten stages, one below the other
};
