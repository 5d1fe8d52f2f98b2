#include "widgets/TabOrder.h"

#include <QRect>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kRowReach = 8; // pixels: controls this close on the top share a row

QRect around(const QList<QWidget *> &group)
{
    QRect united;
    for (const QWidget *w : group)
        united |= w->geometry();
    return united;
}

} // namespace

void orderTabsByLayout(const QList<QList<QWidget *>> &groups)
{
    struct Placed
    {
        QRect place;
        QList<QWidget *> controls;
        int row = 0;
    };
    QList<Placed> placed;
    for (const auto &group : groups)
        if (!group.isEmpty())
            placed.append({around(group), group});
    // A group starts a row unless its top lies within the height of the group that started the
    // row before it; a row reads left to right.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.place.top() < b.place.top();
    });
    int row = -1;
    int rowBottom = 0;
    for (Placed &p : placed) {
        if (row < 0 || p.place.top() > rowBottom) {
            ++row;
            rowBottom = p.place.bottom();
        }
        p.row = row;
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.row != b.row ? a.row < b.row : a.place.left() < b.place.left();
    });

    QWidget *previous = nullptr;
    for (Placed &p : placed) {
        QList<QWidget *> controls = p.controls;
        std::stable_sort(controls.begin(), controls.end(), [](const QWidget *a, const QWidget *b) {
            const int dy = a->y() - b->y();
            return std::abs(dy) > kRowReach ? dy < 0 : a->x() < b->x();
        });
        for (QWidget *w : controls) {
            if (!(w->focusPolicy() & Qt::TabFocus))
                continue;
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
}
