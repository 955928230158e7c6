#pragma once
// A mouse click on one entry of a list box, as the user makes it.

#include <QListWidget>
#include <QTest>

namespace tabulo::test {

inline void ClickEntry(QListWidget* list, int row) {
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

} // namespace tabulo::test
