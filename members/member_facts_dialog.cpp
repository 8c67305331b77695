#include "members/member_facts_dialog.h"

#include "model/text_codec.h"
#include "model/texts.h"
#include "widgets/dialog_buttons.h"
#include "widgets/prompts.h"
#include "widgets/ui_fonts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>

namespace pf {

namespace {

QString title() {
    return QStringLiteral("メンバー情報");
}

// The first few of `lines`, for a message that has to stay readable.
QString firstLines(const std::vector<std::string>& lines) {
    constexpr std::size_t Shown = 5;
    QStringList shown;
    for (std::size_t i = 0; i < lines.size() && i < Shown; ++i)
        shown << QString::fromStdString(lines[i]);
    if (lines.size() > Shown)
        shown << QStringLiteral("ほか%1行").arg(lines.size() - Shown);
    return shown.join(QLatin1Char('\n'));
}

bool nothingSet(const MemberFacts& row) {
    return !row.unread() && row.gender == Gender::Unset && row.level == UnsetLevel &&
           row.fixedPartner.empty() && row.keptApart.empty();
}

} // namespace

MemberFactsDialog::MemberFactsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("memberFactsDialog"));
    setWindowTitle(title());
    setFont(proportionalGothic(12, false));

    auto* note = new QLabel(QStringLiteral("均等化方式の「今日のルール」で使います。固定ペアと"
                                           "別々にするは、相手の側にも同じく設定されます。"),
                            this);
    note->setObjectName(QStringLiteral("memberFactsNote"));
    note->setWordWrap(true);

    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("memberFactsTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("名前"), QStringLiteral("性別"),
                                       QStringLiteral("レベル"), QStringLiteral("固定ペア"),
                                       QStringLiteral("別々にする")});
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(NameColumn, 160);
    table_->setColumnWidth(GenderColumn, 70);
    table_->setColumnWidth(LevelColumn, 60);
    table_->setColumnWidth(PartnerColumn, 160);

    const OkCancelRow buttons = makeOkCancelRow(this);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    connect(okButton_, &QPushButton::clicked, this, &MemberFactsDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons.layout);
    resize(680, 460);
}

void MemberFactsDialog::load(const std::vector<Name>& candidates, const QString& factsPath) {
    path_ = factsPath;
    candidates_ = candidates;
    const FactsFileContent file = readFactsFile(factsPath);
    rows_ = file.rows;
    okButton_->setEnabled(file.ok());
    if (!file.ok())
        prompts().message(this,
                          fromUtf8(file.error) +
                              QStringLiteral("\nメンバー情報は表示だけで、保存はできません。"),
                          QString::fromUtf8(ErrorTitle), Buttons::Ok);
    else if (!file.lineProblems.empty())
        prompts().message(this,
                          QStringLiteral("次の行は読めなかったため、そのまま残します。\n") +
                              firstLines(file.lineProblems),
                          title(), Buttons::Ok);

    updating_ = true;
    table_->clearContents();
    table_->setRowCount(static_cast<int>(candidates_.size()));
    for (int row = 0; row < table_->rowCount(); ++row)
        fillRow(row);
    for (int row = 0; row < table_->rowCount(); ++row)
        showRow(row);
    updating_ = false;
}

void MemberFactsDialog::fillRow(int row) {
    auto* name = new QTableWidgetItem(decodeCp932(candidates_[static_cast<std::size_t>(row)]));
    name->setFlags(Qt::ItemIsEnabled);
    table_->setItem(row, NameColumn, name);

    auto* gender = new QComboBox(table_);
    gender->addItems({QString(), QStringLiteral("男性"), QStringLiteral("女性")});
    connect(gender, &QComboBox::currentIndexChanged, this,
            [this, row](int index) { genderChosen(row, index); });
    table_->setCellWidget(row, GenderColumn, gender);

    auto* level = new QComboBox(table_);
    level->addItem(QString());
    for (int l = MinLevel; l <= MaxLevel; ++l)
        level->addItem(QString::number(l));
    connect(level, &QComboBox::currentIndexChanged, this,
            [this, row](int index) { levelChosen(row, index); });
    table_->setCellWidget(row, LevelColumn, level);

    auto* partner = new QComboBox(table_);
    partner->addItem(QString());
    for (const Name& other : candidates_)
        partner->addItem(decodeCp932(other));
    connect(partner, &QComboBox::currentIndexChanged, this,
            [this, row](int index) { partnerChosen(row, index); });
    table_->setCellWidget(row, PartnerColumn, partner);

    auto* apart = new QToolButton(table_);
    apart->setToolButtonStyle(Qt::ToolButtonTextOnly);
    apart->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(apart, &QToolButton::clicked, this, [this, row] { openKeptApartList(row); });
    table_->setCellWidget(row, KeptApartColumn, apart);
}

QComboBox* MemberFactsDialog::genderBox(int row) const {
    return qobject_cast<QComboBox*>(table_->cellWidget(row, GenderColumn));
}
QComboBox* MemberFactsDialog::levelBox(int row) const {
    return qobject_cast<QComboBox*>(table_->cellWidget(row, LevelColumn));
}
QComboBox* MemberFactsDialog::partnerBox(int row) const {
    return qobject_cast<QComboBox*>(table_->cellWidget(row, PartnerColumn));
}
QToolButton* MemberFactsDialog::keptApartButton(int row) const {
    return qobject_cast<QToolButton*>(table_->cellWidget(row, KeptApartColumn));
}

MemberFacts& MemberFactsDialog::factsAt(int row) {
    return factsOf(rows_, candidates_[static_cast<std::size_t>(row)]);
}

// The row's cells from the rows, without taking it as an edit.
void MemberFactsDialog::showRow(int row) {
    const bool was = updating_;
    updating_ = true;
    const MemberFacts* facts = findFacts(rows_, candidates_[static_cast<std::size_t>(row)]);
    const MemberFacts none;
    const MemberFacts& f = facts ? *facts : none;
    genderBox(row)->setCurrentIndex(f.gender == Gender::Male     ? 1
                                    : f.gender == Gender::Female ? 2
                                                                 : 0);
    levelBox(row)->setCurrentIndex(f.level);
    const auto it = std::find(candidates_.begin(), candidates_.end(), f.fixedPartner);
    // A partner who is not on the list stays in the file; the box shows none.
    partnerBox(row)->setCurrentIndex(f.fixedPartner.empty() || it == candidates_.end()
                                         ? 0
                                         : static_cast<int>(it - candidates_.begin()) + 1);
    QStringList apart;
    for (const Name& other : f.keptApart)
        apart << decodeCp932(other);
    keptApartButton(row)->setText(apart.isEmpty() ? QStringLiteral("なし")
                                                  : apart.join(QStringLiteral("、")));
    keptApartButton(row)->setToolTip(apart.join(QStringLiteral("、")));
    updating_ = was;
}

void MemberFactsDialog::genderChosen(int row, int index) {
    if (updating_)
        return;
    factsAt(row).gender = index == 1 ? Gender::Male : index == 2 ? Gender::Female : Gender::Unset;
}

void MemberFactsDialog::levelChosen(int row, int index) {
    if (updating_)
        return;
    factsAt(row).level = std::clamp(index, UnsetLevel, MaxLevel);
}

void MemberFactsDialog::partnerChosen(int row, int index) {
    if (updating_)
        return;
    const Name& self = candidates_[static_cast<std::size_t>(row)];
    const Name partner = index <= 0 ? Name() : candidates_[static_cast<std::size_t>(index - 1)];
    setFixedPartner(rows_, self, partner == self ? Name() : partner);
    // Former partners on either side lose theirs: every row may have changed.
    for (int r = 0; r < table_->rowCount(); ++r)
        showRow(r);
}

void MemberFactsDialog::setKeptApart(int row, int other, bool apart) {
    if (row == other)
        return;
    const Name& a = candidates_[static_cast<std::size_t>(row)];
    const Name& b = candidates_[static_cast<std::size_t>(other)];
    for (const auto& [self, them] : {std::pair{a, b}, std::pair{b, a}}) {
        std::vector<Name>& list = factsOf(rows_, self).keptApart;
        const auto it = std::find(list.begin(), list.end(), them);
        if (apart && it == list.end())
            list.push_back(them);
        else if (!apart && it != list.end())
            list.erase(it);
    }
    showRow(row);
    showRow(other);
}

void MemberFactsDialog::openKeptApartList(int row) {
    QMenu menu(this);
    auto* list = new QListWidget(&menu);
    list->setObjectName(QStringLiteral("keptApartList"));
    const MemberFacts* facts = findFacts(rows_, candidates_[static_cast<std::size_t>(row)]);
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        if (static_cast<int>(i) == row)
            continue;
        auto* item = new QListWidgetItem(decodeCp932(candidates_[i]), list);
        item->setData(Qt::UserRole, static_cast<int>(i));
        const bool apart = facts && std::find(facts->keptApart.begin(), facts->keptApart.end(),
                                              candidates_[i]) != facts->keptApart.end();
        // Ticked by a click anywhere on the name (handled below), not by
        // the box alone, so one click is one change.
        item->setFlags(Qt::ItemIsEnabled);
        item->setCheckState(apart ? Qt::Checked : Qt::Unchecked);
    }
    connect(list, &QListWidget::itemChanged, this, [this, row](QListWidgetItem* item) {
        setKeptApart(row, item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
    });
    // The list stays open for the next name; Esc or a click outside closes it.
    connect(list, &QListWidget::itemClicked, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    list->setMinimumSize(220, 260);
    auto* action = new QWidgetAction(&menu);
    action->setDefaultWidget(list);
    menu.addAction(action);
    QToolButton* button = keptApartButton(row);
    menu.exec(button->mapToGlobal(QPoint(0, button->height())));
}

void MemberFactsDialog::accept() {
    std::vector<MemberFacts> kept;
    for (const MemberFacts& row : rows_)
        if (!nothingSet(row))
            kept.push_back(row);
    if (const Status saved = writeFactsFile(path_, kept); !saved) {
        prompts().message(this, fromUtf8(saved.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    rows_ = std::move(kept);
    QDialog::accept();
}

} // namespace pf
