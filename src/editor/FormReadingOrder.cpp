#include "editor/FormReadingOrder.h"

#include <algorithm>
#include <numeric>

namespace tabulo {

namespace {

bool OnTheSameRow(const QRect& a, const QRect& b) {
    const int middle = b.center().y();
    return middle >= a.top() && middle <= a.bottom();
}

} // namespace

QString BannerLabelFor(const QRect& field, const std::vector<PlacedText>& banners) {
    const PlacedText* nearest = nullptr;
    for (const PlacedText& banner : banners) {
        // A banner may reach a pixel or two into the box it labels.
        const bool left =
            banner.place.left() < field.left() && banner.place.center().x() < field.left();
        const bool sameRow = OnTheSameRow(field, banner.place) || OnTheSameRow(banner.place, field);
        if (!left || !sameRow || banner.text.isEmpty()) continue;
        if (!nearest || banner.place.right() > nearest->place.right()) nearest = &banner;
    }
    return nearest ? nearest->text : QString();
}

std::vector<int> ReadingOrder(const std::vector<QRect>& places) {
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    auto byTop = [&](int a, int b) {
        return places[a].top() != places[b].top() ? places[a].top() < places[b].top() : a < b;
    };
    std::sort(order.begin(), order.end(), byTop);
    auto rowStart = order.begin();
    while (rowStart != order.end()) {
        const QRect& first = places[*rowStart];
        auto rowEnd = std::find_if(rowStart + 1, order.end(),
                                   [&](int i) { return !OnTheSameRow(first, places[i]); });
        std::stable_sort(rowStart, rowEnd,
                         [&](int a, int b) { return places[a].left() < places[b].left(); });
        rowStart = rowEnd;
    }
    return order;
}

} // namespace tabulo
