#pragma once
// Where windows go on a screen: geometry alone (rectangles in screen pixels), so that the
// rules are tested without a screen.

#include <QRect>
#include <QVector>

namespace vocalith {

// A window's rectangle inside an area: no larger than the area, and moved the least so
// that it lies whole on it.
QRect fitIntoArea(const QRect &window, const QRect &area);

// Where a window of this size goes so that it lies within the area without covering
// keepVisible: at preferred (its top left, moved into the area) when that covers nothing;
// else right of, left of, below or above keepVisible, the first that takes the whole
// window; else on the side below or above with more room, its height cut to that room
// when the room is at least minHeight. When nothing avoids keepVisible, the preferred
// place moved into the area.
QRect placeAvoiding(const QSize &size, const QPoint &preferred, const QRect &keepVisible, const QRect &area,
                    int minHeight);

// Widths for columns whose contents have these widths, to fill at most total: the content
// widths when they fit; otherwise the widest columns are cut to one common width, the
// narrower keeping theirs, so that the sum is total.
QVector<int> fitColumnWidths(const QVector<int> &contents, int total);

} // namespace vocalith
