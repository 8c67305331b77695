#include "members/member_selection.h"

#include "members/candidate_file.h"
#include "members/name_list_item.h"
#include "model/name_rules.h"
#include "model/text_codec.h"
#include "widgets/prompts.h"
#include "widgets/ui_fonts.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace pf {

namespace {

QListWidget* nameList(QWidget* parent, const char* name, const QRect& geometry) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setUniformItemSizes(true);
    return list;
}

QToolButton* arrowButton(QWidget* parent, const char* name, const QString& text, int top) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setGeometry(159, top, 27, 27);
    return b;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

} // namespace

TDualListDlg::TDualListDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("DualListDlg"));
    setWindowTitle(QStringLiteral("メンバー選択"));
    setFont(proportionalGothic(12));
    setFixedSize(345, 443);

    caption(this, "SrcLabel", QStringLiteral("メンバー候補リスト :"), QRect(8, 6, 145, 18));
    SrcList = nameList(this, "SrcList", QRect(8, 26, 145, 300));
    caption(this, "DstLabel", QStringLiteral("選択メンバーリスト :"), QRect(192, 6, 145, 18));
    // Shortened by the row of the running count below it.
    DstList = nameList(this, "DstList", QRect(192, 26, 145, 282));
    selectionCount_ = new QLabel(this);
    selectionCount_->setObjectName(QStringLiteral("selectionCount"));
    selectionCount_->setGeometry(192, 310, 145, 18);
    selectionCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(DstList->model(), signal, this, &TDualListDlg::showSelectionCount);
    connect(DstList->model(), &QAbstractItemModel::modelReset, this,
            &TDualListDlg::showSelectionCount);

    IncludeBtn = arrowButton(this, "IncludeBtn", QStringLiteral(">"), 40);
    IncAllBtn = arrowButton(this, "IncAllBtn", QStringLiteral(">>"), 74);
    ExcludeBtn = arrowButton(this, "ExcludeBtn", QStringLiteral("<"), 108);
    ExAllBtn = arrowButton(this, "ExAllBtn", QStringLiteral("<<"), 142);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(8, 336, 329, 4);

    auto* label1 =
        caption(this, "Label1", QStringLiteral("新規メンバー名"), QRect(8, 348, 200, 18));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 368, 246, 25);
    label1->setBuddy(Edit1);
    Button1 = new QPushButton(QStringLiteral("追加"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(262, 368, 75, 25);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(181, 408, 75, 25);
    CancelBtn = new QPushButton(QStringLiteral("キャンセル"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(262, 408, 75, 25);

    // Enter adds the typed name; only the OK button confirms.
    for (QPushButton* b : {OKBtn, CancelBtn})
        b->setAutoDefault(false);
    Button1->setDefault(true);

    setTabOrder(SrcList, DstList);
    setTabOrder(DstList, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, Button1);
    setTabOrder(Button1, Edit1);

    connect(IncludeBtn, &QToolButton::clicked, this, &TDualListDlg::IncludeBtnClick);
    connect(IncAllBtn, &QToolButton::clicked, this, &TDualListDlg::IncAllBtnClick);
    connect(ExcludeBtn, &QToolButton::clicked, this, &TDualListDlg::ExcludeBtnClick);
    connect(ExAllBtn, &QToolButton::clicked, this, &TDualListDlg::ExcAllBtnClick);
    connect(Button1, &QPushButton::clicked, this, &TDualListDlg::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TDualListDlg::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TDualListDlg::reject);

    candidateFileName_ =
        QDir::current().absoluteFilePath(QString::fromLatin1(CandidateFileBaseName));
    if (const CandidateFileText file = readCandidateFile(candidateFileName_); file.ok())
        replaceCandidates(parseCandidateLines(file.text));
    ExcludeBtn->setEnabled(false);
    ExAllBtn->setEnabled(false);
    showSelectionCount();
}

TDualListDlg::~TDualListDlg() {
    // The list empties its model while it is destroyed, after this dialog has
    // stopped being one: the count must not hear of it then.
    DstList->model()->disconnect(this);
}

std::vector<Name> TDualListDlg::selected() const {
    return namesOf(DstList);
}

void TDualListDlg::setSelected(const std::vector<Name>& names) {
    DstList->clear();
    for (const Name& n : names)
        addName(DstList, n);
}

std::vector<Name> TDualListDlg::candidates() const {
    return namesOf(SrcList);
}

void TDualListDlg::replaceCandidates(const std::vector<Name>& names) {
    SrcList->clear();
    for (const Name& n : names) {
        // An empty line is no candidate: chosen, it would become an empty
        // roster row and hide every member below it.
        if (!n.empty())
            addName(SrcList, n);
    }
    SetButtons();
}

void TDualListDlg::FormActivate() {
    for (const Name& chosen : namesOf(DstList)) {
        const int row = findName(SrcList, chosen);
        if (row >= 0)
            delete SrcList->takeItem(row);
    }
    CandidateSnapshot.candidates = namesOf(SrcList);
    CandidateSnapshot.selected = namesOf(DstList);
    SetButtons();
}

void TDualListDlg::IncludeBtnClick() {
    const int first = GetFirstSelection(SrcList);
    MoveSelected(SrcList, DstList);
    SetItem(SrcList, first);
}

void TDualListDlg::ExcludeBtnClick() {
    const int first = GetFirstSelection(DstList);
    MoveSelected(DstList, SrcList);
    SetItem(DstList, first);
}

void TDualListDlg::IncAllBtnClick() {
    for (const Name& n : namesOf(SrcList))
        addName(DstList, n);
    SrcList->clear();
    SetItem(SrcList, 0);
}

void TDualListDlg::ExcAllBtnClick() {
    for (const Name& n : namesOf(DstList))
        addName(SrcList, n);
    DstList->clear();
    SetItem(DstList, 0);
}

void TDualListDlg::MoveSelected(QListWidget* from, QListWidget* to) {
    for (int i = from->count() - 1; i >= 0; --i) {
        if (from->item(i)->isSelected()) {
            addName(to, static_cast<NameListItem*>(from->item(i))->bytes());
            delete from->takeItem(i);
        }
    }
}

int TDualListDlg::GetFirstSelection(const QListWidget* list) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            return i;
    return -1;
}

void TDualListDlg::SetItem(QListWidget* list, int index) {
    list->setFocus();
    list->clearSelection();
    if (list->count() > 0) {
        const int row = std::clamp(index, 0, list->count() - 1);
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    SetButtons();
}

void TDualListDlg::showSelectionCount() {
    const int n = DstList->count();
    selectionCount_->setText(QStringLiteral("選択 %1人 / %2人").arg(n).arg(MaxMembers));
    // Red once the roster could not take them all; OK then refuses.
    QPalette pal = palette();
    if (n > MaxMembers)
        pal.setColor(QPalette::WindowText, Qt::red);
    selectionCount_->setPalette(pal);
}

void TDualListDlg::SetButtons() {
    const bool candidates = SrcList->count() > 0;
    const bool chosen = DstList->count() > 0;
    IncludeBtn->setEnabled(candidates);
    IncAllBtn->setEnabled(candidates);
    ExcludeBtn->setEnabled(chosen);
    ExAllBtn->setEnabled(chosen);
}

void TDualListDlg::Button1Click() {
    const QString text = Edit1->text();
    if (text.isEmpty())
        return;
    const NameEntry entry = memberNameFromText(text);
    if (!entry.ok()) {
        prompts().message(this, fromUtf8(entry.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        Edit1->setFocus();
        return;
    }
    if (findName(DstList, entry.bytes) >= 0)
        return;
    // 「佐藤　健」 beside 「佐藤 健」 is nearly always one member typed twice,
    // who would then be scheduled twice at once; Enter keeps them one.
    const std::vector<Name> chosen = namesOf(DstList);
    if (const int near = findNearDuplicate(chosen, entry.bytes); near >= 0) {
        const QString question =
            QStringLiteral("「%1」は、選択済みの「%2」と同じ人ではありませんか？\n"
                           "別の人として追加しますか？")
                .arg(decodeCp932(entry.bytes), decodeCp932(chosen[static_cast<std::size_t>(near)]));
        if (prompts().message(this, question, QStringLiteral("メンバー名の確認"), Buttons::YesNo,
                              Answer::No) != Answer::Yes) {
            Edit1->setFocus();
            return;
        }
    }
    const int candidate = findName(SrcList, entry.bytes);
    if (candidate >= 0)
        delete SrcList->takeItem(candidate);
    addName(DstList, entry.bytes);
    Edit1->clear();
    SetButtons();
}

void TDualListDlg::CancelBtnClick() {
    SrcList->clear();
    for (const Name& n : CandidateSnapshot.candidates)
        addName(SrcList, n);
    DstList->clear();
    for (const Name& n : CandidateSnapshot.selected)
        addName(DstList, n);
    SetButtons();
}

void TDualListDlg::accept() {
    if (DstList->count() > MaxMembers) {
        prompts().message(this, QString::fromUtf8(MsgTooManyMembers), QString::fromUtf8(ErrorTitle),
                          Buttons::Ok);
        return;
    }
    // A name from the candidate file (written by another tool) or kept from
    // an older roster may break the rules that typed names meet.
    for (int i = 0; i < DstList->count(); ++i) {
        const auto* item = static_cast<const NameListItem*>(DstList->item(i));
        if (const std::string refusal = checkMemberName(item->bytes()); !refusal.empty()) {
            DstList->setFocus();
            DstList->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
            prompts().message(this, QString::fromUtf8(refusal), QString::fromUtf8(ErrorTitle),
                              Buttons::Ok);
            return;
        }
    }
    QDialog::accept();
}

void TDualListDlg::reject() {
    CancelBtnClick();
    QDialog::reject();
}

void TDualListDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred the first time; after that it comes back where the organiser
    // left it (moving it again on every show let the frame push it down).
    if (const QScreen* s = screen(); s && !placed_) {
        placed_ = true;
        move(s->availableGeometry().center() - rect().center());
    }
}

} // namespace pf
