// Where the options window opens: the first side of the creature that leaves it in view.
#include "options_place.h"

#include <algorithm>
#include <array>

namespace orbo {

namespace {

// The start of a span of this length moved into the room [lo, lo + room); a span longer than
// the room starts where the room does.
int IntoRoom(int start, int length, int lo, int room) {
    return std::max(lo, std::min(start, lo + room - length));
}

int Overlap(int start, int length, int otherStart, int otherLength) {
    return std::max(0, std::min(start + length, otherStart + otherLength) -
                           std::max(start, otherStart));
}

// Along one axis the overlap with the creature only grows, stays, then shrinks as the window
// slides, so it is least at one end of the room.
int LeastOverlapStart(int length, int lo, int room, int creatureStart, int creatureLength) {
    const int hi = IntoRoom(lo + room, length, lo, room);
    return Overlap(lo, length, creatureStart, creatureLength) <
                   Overlap(hi, length, creatureStart, creatureLength)
               ? lo
               : hi;
}

} // namespace

QPoint OptionsWindowPlace(const QRect& creature, const QSize& window, const QRect& workArea) {
    const int w = window.width();
    const int h = window.height();
    const int besideY = creature.y() + (creature.height() - h) / 2;
    const int besideX = creature.x() + (creature.width() - w) / 2;
    const std::array<QPoint, 4> sides{{{creature.x() + creature.width(), besideY},
                                       {creature.x() - w, besideY},
                                       {besideX, creature.y() + creature.height()},
                                       {besideX, creature.y() - h}}};
    for (const QPoint side : sides) {
        const QPoint at(IntoRoom(side.x(), w, workArea.x(), workArea.width()),
                        IntoRoom(side.y(), h, workArea.y(), workArea.height()));
        if (!QRect(at, window).intersects(creature))
            return at;
    }
    // The overlap is its width times its height, and each is least on its own.
    return {LeastOverlapStart(w, workArea.x(), workArea.width(), creature.x(), creature.width()),
            LeastOverlapStart(h, workArea.y(), workArea.height(), creature.y(), creature.height())};
}

} // namespace orbo
