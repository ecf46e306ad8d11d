#include "app/screenfit.h"

#include <algorithm>
#include <numeric>

namespace vocalith {

QRect fitIntoArea(const QRect &window, const QRect &area) {
    QRect r(window.topLeft(), window.size().boundedTo(area.size()));
    r.moveLeft(std::clamp(r.left(), area.left(), area.left() + area.width() - r.width()));
    r.moveTop(std::clamp(r.top(), area.top(), area.top() + area.height() - r.height()));
    return r;
}

QRect placeAvoiding(const QSize &size, const QPoint &preferred, const QRect &keepVisible, const QRect &area,
                    int minHeight) {
    const QRect atPreferred = fitIntoArea(QRect(preferred, size), area);
    if (keepVisible.isEmpty() || !atPreferred.intersects(keepVisible))
        return atPreferred;
    const QSize whole = atPreferred.size();
    // Beside the line keeping the preferred height, then under or over it keeping the
    // preferred left; a candidate counts only when it needs no moving to lie on the area.
    const QRect candidates[] = {
        QRect(QPoint(keepVisible.right() + 1, atPreferred.top()), whole),
        QRect(QPoint(keepVisible.left() - whole.width(), atPreferred.top()), whole),
        QRect(QPoint(atPreferred.left(), keepVisible.bottom() + 1), whole),
        QRect(QPoint(atPreferred.left(), keepVisible.top() - whole.height()), whole),
    };
    for (const QRect &c : candidates)
        if (area.contains(c))
            return c;
    const int below = area.bottom() - keepVisible.bottom();
    const int above = keepVisible.top() - area.top();
    const int room = std::max(below, above);
    if (room < minHeight)
        return atPreferred;
    const int height = std::min(room, whole.height());
    const int top = below >= above ? keepVisible.bottom() + 1 : keepVisible.top() - height;
    return QRect(atPreferred.left(), top, whole.width(), height);
}

QVector<int> fitColumnWidths(const QVector<int> &contents, int total) {
    const int sum = std::accumulate(contents.begin(), contents.end(), 0);
    if (sum <= total || contents.isEmpty())
        return contents;
    // The common width of the cut columns: walk up the sorted widths while the columns
    // narrower than the next one, plus that width for all the others, still fit.
    QVector<int> sorted = contents;
    std::sort(sorted.begin(), sorted.end());
    const int n = int(sorted.size());
    int below = 0; // sum of the columns that keep their width
    int cap = 0;
    for (int k = 0; k < n; ++k) {
        const int rest = n - k;
        if (below + sorted[k] * rest > total) {
            cap = std::max(0, (total - below) / rest);
            break;
        }
        below += sorted[k];
    }
    QVector<int> widths;
    int used = 0;
    for (const int c : contents) {
        widths << std::min(c, cap);
        used += widths.back();
    }
    // What integer division left over goes to the cut columns, one pixel each.
    for (int k = 0; k < widths.size() && used < total; ++k)
        if (contents[k] > cap) {
            ++widths[k];
            ++used;
        }
    return widths;
}

} // namespace vocalith
