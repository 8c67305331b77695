#pragma once
// The "OK" / "キャンセル" pair at the bottom right of the option dialogs:
// OK is the default button, both 75 × 25, with the object names the tests
// and the rest of the program look them up by.

#include <QHBoxLayout>
#include <QPushButton>

namespace pf {

struct OkCancelRow {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QHBoxLayout* layout = nullptr; // to be added to the dialog's own layout
};

inline OkCancelRow makeOkCancelRow(QWidget* dialog) {
    OkCancelRow row;
    row.ok = new QPushButton(QStringLiteral("OK"), dialog);
    row.ok->setObjectName(QStringLiteral("OKBtn"));
    row.ok->setDefault(true);
    row.cancel = new QPushButton(QStringLiteral("キャンセル"), dialog);
    row.cancel->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton* b : {row.ok, row.cancel})
        b->setFixedSize(75, 25);
    row.layout = new QHBoxLayout;
    row.layout->addStretch(1);
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    return row;
}

} // namespace pf
