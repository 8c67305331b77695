#pragma once
// The "OK" / "キャンセル" pair at the bottom right of the option dialogs:
// OK is the default button, both 75 × 25, with the object names the tests
// and the rest of the program look them up by.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

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

// The one-question dialogs (the day's length, where a re-plan starts): a line
// of `before`, the number and `after`, an optional note under it, then OK and
// キャンセル that accept and reject. The dialog keeps its fitted size.
inline void layOutNumberQuestion(QDialog* dialog, QWidget* before, QWidget* number, QWidget* after,
                                 QWidget* note = nullptr) {
    auto* line = new QHBoxLayout;
    line->addWidget(before);
    line->addWidget(number);
    line->addWidget(after);
    line->addStretch(1);
    const OkCancelRow buttons = makeOkCancelRow(dialog);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(line);
    if (note)
        layout->addWidget(note);
    layout->addSpacing(12);
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    number->setFocus();
}

} // namespace pf
