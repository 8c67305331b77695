#include "members/name_list_item.h"

#include "members/name_order.h"
#include "model/text_codec.h"

#include <QListWidget>

namespace pf {

NameListItem::NameListItem(const Name& bytes)
    : QListWidgetItem(decodeCp932(bytes), nullptr, QListWidgetItem::UserType), bytes_(bytes) {}

std::vector<Name> namesOf(const QListWidget* list) {
    std::vector<Name> names;
    names.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        names.push_back(static_cast<const NameListItem*>(list->item(i))->bytes());
    return names;
}

void addName(QListWidget* list, const Name& bytes) {
    // Binary search for the first entry that sorts after the new one, so
    // equal names keep the order in which they came.
    int lo = 0;
    int hi = list->count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (nameLess(bytes, static_cast<const NameListItem*>(list->item(mid))->bytes()))
            hi = mid;
        else
            lo = mid + 1;
    }
    list->insertItem(lo, new NameListItem(bytes));
}

int findName(const QListWidget* list, const Name& bytes) {
    for (int i = 0; i < list->count(); ++i)
        if (static_cast<const NameListItem*>(list->item(i))->bytes() == bytes)
            return i;
    return -1;
}

} // namespace pf
