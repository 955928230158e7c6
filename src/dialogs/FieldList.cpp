#include "dialogs/FieldList.h"

#include "dialogs/QtText.h"
#include "engine/modDB.h"

#include <QListWidget>

namespace tabulo {

void FillFieldList(QListWidget& list, modDB& db) {
    list.clear();
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    for (int n = 1; n <= db.GetFieldCount(); ++n) {
        DBField def;
        auto* entry = new QListWidgetItem(&list);
        if (db.GetFieldDef(n, def) == 0)
            entry->setFlags(Qt::NoItemFlags);
        else
            entry->setText(ToQString(TrimSpaces(def.Name)));
    }
}

std::vector<int> SelectedFieldNumbers(const QListWidget& list) {
    std::vector<int> fields;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected()) fields.push_back(row + 1);
    return fields;
}

} // namespace tabulo
