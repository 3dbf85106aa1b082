// Puts the controls of a dialog where its table places them, in twips (15 to a pixel, so that
// places between two pixels stay whole numbers), and makes room where a caption in the current
// language needs more than the table gives it: the control grows, whatever stands to its right
// in the same band moves along, and the frame or the dialog around it grows. Nothing is ever
// cut.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

class FormGeometry
{
public:
    enum class Fit
    {
        Fixed,  // keeps its design width
        Caption // at least as wide as its text needs
    };
    enum class Anchor
    {
        Left,   // keeps its place when its container grows
        Right,  // keeps its distance to the container's right edge
        Stretch // keeps both distances and grows with the container
    };
    struct Item
    {
        QWidget *widget;
        QRect twips;
        Fit fit = Fit::Fixed;
        Anchor anchor = Anchor::Left;
        int group = 0; // items of one group other than 0 grow by the same amount
    };

    static constexpr int kTwipsPerPixel = 15;
    static int pixels(int twips);
    static QRect pixels(const QRect &twips);

    // The top widget is the dialog; its client size in the table is given in twips.
    FormGeometry(QWidget *top, QSize clientTwips);
    void add(const Item &item);
    // Lays everything out for the texts the controls hold now.
    void apply() const;

private:
    struct Placed;
    int neededWidth(const QWidget *container) const;
    void place(const QWidget *container, int width) const;
    QList<Placed> arranged(const QWidget *container) const;
    const Item *itemOf(const QWidget *widget) const;
    QSize designSize(const QWidget *container) const;

    QWidget *m_top;
    QSize m_clientTwips;
    QList<Item> m_items;
};
