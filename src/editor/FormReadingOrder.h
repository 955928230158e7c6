#pragma once
// How a reader walks a page of the form: row by row from the top, each row from the left.
// It decides the keyboard's Tab order and which banner names a field for screen readers.

#include <QRect>
#include <QString>
#include <vector>

namespace tabulo {

struct PlacedText {
    QRect place;
    QString text;
};

// The caption of the banner that labels a field: the nearest one to its left on the same
// row, or an empty text when there is none.
QString BannerLabelFor(const QRect& field, const std::vector<PlacedText>& banners);

// The indices of the places in reading order. Places whose middle lies within the height
// of a row's first place belong to that row.
std::vector<int> ReadingOrder(const std::vector<QRect>& places);

} // namespace tabulo
