#include "members/name_order.h"

#include "model/text_codec.h"

#include <QCollator>
#include <QLocale>

namespace pf {
namespace {

const QCollator& collator() {
    static const QCollator c = [] {
        QCollator japanese(QLocale(QLocale::Japanese, QLocale::Japan));
        japanese.setCaseSensitivity(Qt::CaseInsensitive);
        japanese.setNumericMode(false);
        return japanese;
    }();
    return c;
}

} // namespace

bool nameLess(const Name& left, const Name& right) {
    const int order = collator().compare(decodeCp932(left), decodeCp932(right));
    if (order != 0)
        return order < 0;
    return left < right;
}

} // namespace pf
