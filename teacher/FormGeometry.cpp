#include "FormGeometry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <map>

namespace {

// Room kept between a caption and the control that follows it in its band.
constexpr int kGap = 8;
// What a grown control keeps to the right edge of its container at least.
constexpr int kMargin = 8;
// Controls whose design rectangles share fewer rows than this are not side by side.
constexpr int kBandOverlap = 4;

bool sideBySide(const QRect &a, const QRect &b)
{
    return std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1 >= kBandOverlap;
}

// Entry boxes and buttons need their full height to show their text. Check boxes and option
// buttons keep one line, centred on the rows their table gives them, which may be room for two.
int heightFor(const QWidget *w, int designHeight)
{
    if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w))
        return w->sizeHint().height();
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractButton *>(w))
        return std::max(designHeight, w->sizeHint().height());
    return designHeight;
}

} // namespace

struct FormGeometry::Placed
{
    const Item *item;
    QRect base;    // design rectangle in pixels
    int width = 0; // after making room for the caption
    int growth = 0;
    int shift = 0; // moved right by controls growing on its left
};

int FormGeometry::pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect FormGeometry::pixels(const QRect &twips)
{
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

FormGeometry::FormGeometry(QWidget *top, QSize clientTwips) : m_top(top), m_clientTwips(clientTwips)
{
}

void FormGeometry::add(const Item &item)
{
    m_items.append(item);
}

const FormGeometry::Item *FormGeometry::itemOf(const QWidget *widget) const
{
    for (const Item &item : m_items) {
        if (item.widget == widget)
            return &item;
    }
    return nullptr;
}

QSize FormGeometry::designSize(const QWidget *container) const
{
    if (container == m_top)
        return {pixels(m_clientTwips.width()), pixels(m_clientTwips.height())};
    const Item *item = itemOf(container);
    return item ? pixels(item->twips).size() : container->size();
}

QList<FormGeometry::Placed> FormGeometry::arranged(const QWidget *container) const
{
    QList<Placed> placed;
    for (const Item &item : m_items) {
        if (item.widget->parentWidget() == container)
            placed.append({&item, pixels(item.twips)});
    }
    // How wide each control wants to be, and how much of that its design rectangle lacks.
    for (Placed &p : placed) {
        const QWidget *w = p.item->widget;
        int need = p.base.width();
        if (p.item->fit == Fit::Caption)
            need = std::max(need, w->sizeHint().width());
        need = std::max(need, neededWidth(w));
        int room = p.base.width();
        if (p.item->fit == Fit::Caption) {
            for (const Placed &q : placed) {
                if (q.base.left() > p.base.left() && q.base.left() <= p.base.right() &&
                    sideBySide(p.base, q.base))
                    room = std::min(room, q.base.left() - kGap - p.base.left());
            }
        }
        p.growth = std::max(0, need - room);
        p.width = p.growth > 0 ? need : p.base.width();
    }
    std::map<int, int> groupGrowth;
    for (const Placed &p : placed) {
        if (p.item->group != 0)
            groupGrowth[p.item->group] = std::max(groupGrowth[p.item->group], p.growth);
    }
    for (Placed &p : placed) {
        if (p.item->group != 0) {
            p.growth = groupGrowth[p.item->group];
            p.width = p.base.width() + p.growth;
        }
    }
    // Columns from left to right: a control moves as far as the growth on its left in its band
    // demands, and controls sharing a left edge move together so that columns stay aligned.
    std::map<int, QList<Placed *>> columns;
    for (Placed &p : placed)
        columns[p.base.left()].append(&p);
    for (auto &[left, column] : columns) {
        int shift = 0;
        for (const Placed *p : column) {
            for (const Placed &q : placed) {
                if (q.base.left() < left && sideBySide(q.base, p->base))
                    shift = std::max(shift, q.shift + q.growth);
            }
        }
        for (Placed *p : column)
            p->shift = shift;
    }
    return placed;
}

int FormGeometry::neededWidth(const QWidget *container) const
{
    const QList<Placed> placed = arranged(container);
    if (placed.isEmpty())
        return 0;
    const int designWidth = designSize(container).width();
    int width = std::max(designWidth, container->minimumSizeHint().width());
    for (const Placed &p : placed) {
        const int designMargin = designWidth - p.base.right() - 1;
        const int margin =
            p.item->anchor == Anchor::Left ? std::min(designMargin, kMargin) : designMargin;
        width = std::max(width, p.base.left() + p.shift + p.width + margin);
    }
    return width;
}

void FormGeometry::place(const QWidget *container, int width) const
{
    const int designWidth = designSize(container).width();
    for (const Placed &p : arranged(container)) {
        QWidget *w = p.item->widget;
        const int designMargin = designWidth - p.base.right() - 1;
        int left = p.base.left() + p.shift;
        int controlWidth = p.width;
        if (p.item->anchor == Anchor::Right)
            left = std::max(left, width - designMargin - controlWidth);
        else if (p.item->anchor == Anchor::Stretch)
            controlWidth = std::max(controlWidth, width - designMargin - left);
        const int height = heightFor(w, p.base.height());
        const int top = std::max(0, p.base.top() - (height - p.base.height()) / 2);
        w->setGeometry(left, top, controlWidth, height);
        if (neededWidth(w) > 0)
            place(w, controlWidth);
    }
}

void FormGeometry::apply() const
{
    const int width = neededWidth(m_top);
    place(m_top, width);
    m_top->setFixedSize(width, designSize(m_top).height());
}
