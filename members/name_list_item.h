#pragma once
// A member name in a list box: the Shift-JIS bytes it stands for, shown
// decoded. The lists keep their entries in the members' order (name_order.h).

#include "model/session.h"

#include <QListWidgetItem>

namespace pf {

class NameListItem : public QListWidgetItem {
public:
    explicit NameListItem(const Name& bytes);

    const Name& bytes() const { return bytes_; }

private:
    Name bytes_;
};

// All names of a list, first to last.
std::vector<Name> namesOf(const class QListWidget* list);
// Adds a name where the sorted order puts it.
void addName(QListWidget* list, const Name& bytes);
// The row of the first entry that is byte for byte `bytes`, or -1.
int findName(const QListWidget* list, const Name& bytes);

} // namespace pf
