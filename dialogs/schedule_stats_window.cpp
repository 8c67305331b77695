#include "dialogs/schedule_stats_window.h"

#include "model/text_codec.h"
#include "pairing/court_guess.h"
#include "pairing/replan.h"
#include "widgets/ui_fonts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace pf {
namespace {

constexpr int TableFontPixels = 13;
constexpr int RowHeight = 20;
constexpr int GridCellSize = 28;

QTableWidget* makeTable(QWidget* parent, const char* name, const QStringList& headings) {
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setFont(proportionalGothic(TableFontPixels));
    t->setHorizontalHeaderLabels(headings);
    t->horizontalHeader()->setFont(proportionalGothic(TableFontPixels));
    t->horizontalHeader()->setHighlightSections(false);
    t->verticalHeader()->setFont(proportionalGothic(TableFontPixels));
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setMinimumSectionSize(RowHeight);
    t->verticalHeader()->setDefaultSectionSize(RowHeight);
    t->verticalHeader()->setHighlightSections(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    return t;
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* number(int value) {
    return cell(QString::number(value), Qt::AlignRight);
}

// Above an even share warm, below it cool, deeper the further off; an even
// count stays white so that only the pairs worth a look stand out.
QColor meetingColour(int distance) {
    static const std::array<QColor, 3> more{QColor(0xFF, 0xD8, 0xC8), QColor(0xFF, 0xA8, 0x88),
                                            QColor(0xF0, 0x70, 0x50)};
    static const std::array<QColor, 3> fewer{QColor(0xD8, 0xE4, 0xFF), QColor(0xA8, 0xC4, 0xFF),
                                             QColor(0x78, 0x9C, 0xF0)};
    if (distance == 0)
        return Qt::white;
    const auto step = static_cast<std::size_t>(std::min(std::abs(distance), 3) - 1);
    return distance > 0 ? more[step] : fewer[step];
}

} // namespace

ScheduleStatsWindow::ScheduleStatsWindow(const Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("scheduleStatsWindow"));
    setWindowTitle(QStringLiteral("組合せの統計"));
    setFont(proportionalGothic(12));

    summaryTable =
        makeTable(this, "summaryTable",
                  {QStringLiteral("項目"), QStringLiteral("値"), QStringLiteral("最良値")});
    summaryTable->verticalHeader()->hide();
    summaryTable->setFocusPolicy(Qt::NoFocus); // nothing to pick in a list of figures
    memberTable = makeTable(this, "memberTable",
                            {QStringLiteral("メンバー名"), QStringLiteral("試合数"),
                             QStringLiteral("最長連続休み"), QStringLiteral("最長連続出場"),
                             QStringLiteral("ペア人数"), QStringLiteral("対戦人数")});
    meetingGrid = makeTable(this, "meetingGrid", {});
    meetingGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    meetingGrid->horizontalHeader()->setMinimumSectionSize(GridCellSize);
    meetingGrid->horizontalHeader()->setDefaultSectionSize(GridCellSize);
    meetingGrid->verticalHeader()->setMinimumSectionSize(GridCellSize);
    meetingGrid->verticalHeader()->setDefaultSectionSize(GridCellSize);

    courtWarning = new QLabel(
        QStringLiteral("この面数では、同じラウンドに同じメンバーが二度入る組み合わせがあります。"),
        this);
    courtWarning->setObjectName(QStringLiteral("courtWarning"));
    courtWarning->setStyleSheet(QStringLiteral("color: #C00000;"));
    courtWarning->hide();

    auto* legend =
        new QLabel(QStringLiteral("対角線の右上はペアを組んだ回数、左下は対戦した回数です。"
                                  "均等な回数より多いほど赤く、少ないほど青く表示します。"),
                   this);
    legend->setObjectName(QStringLiteral("gridLegend"));
    legend->setWordWrap(true);

    roundSpin = new QSpinBox(this);
    roundSpin->setObjectName(QStringLiteral("roundSpin"));
    roundSpin->setRange(1, MaxMatches);
    roundSpin->setPrefix(QStringLiteral("第1回から第"));
    roundSpin->setSuffix(QStringLiteral("回まで"));
    roundSpin->setToolTip(
        QStringLiteral("この回で終えたときの数字を表示します。最初は結果の入った最後の回です。"));
    connect(roundSpin, &QSpinBox::valueChanged, this, [this] {
        if (settingRound_)
            return;
        roundChosen_ = true;
        recompute();
    });
    auto* roundLabel = new QLabel(QStringLiteral("集計する回"), this);
    roundLabel->setBuddy(roundSpin);

    anotherDrawButton = new QPushButton(QStringLiteral("別の組合せを作る"), this);
    anotherDrawButton->setObjectName(QStringLiteral("anotherDrawButton"));
    anotherDrawButton->setToolTip(
        QStringLiteral("同じメンバーで、均等な組み合わせをもう一つ作ります（元に戻せます）。"));
    anotherDrawButton->hide();
    connect(anotherDrawButton, &QPushButton::clicked, this,
            &ScheduleStatsWindow::anotherDrawRequested);

    closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setFixedSize(75, 25);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->addWidget(summaryTable);
    top->addWidget(memberTable, 1);
    auto* rounds = new QHBoxLayout;
    rounds->addWidget(roundLabel);
    rounds->addWidget(roundSpin);
    rounds->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(anotherDrawButton);
    bottom->addStretch(1);
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rounds);
    layout->addLayout(top);
    layout->addWidget(courtWarning);
    layout->addWidget(legend);
    layout->addWidget(meetingGrid, 1);
    layout->addLayout(bottom);

    setMinimumSize(640, 480);
    resize(900, 700);
}

void ScheduleStatsWindow::showAndRaise() {
    show();
    raise();
    activateWindow();
    // Offscreen and some window managers never activate: compute anyway.
    recompute();
}

void ScheduleStatsWindow::followSession() {
    // Another pairing: the round chosen for the last one means nothing here.
    roundChosen_ = false;
    if (!session_.PairingOpen)
        hide();
    else if (isVisible())
        recompute();
}

int ScheduleStatsWindow::shownRounds() const {
    return roundSpin->value();
}

void ScheduleStatsWindow::followRounds() {
    const int courts = std::clamp(session_.CourtCount, MinCourts, MaxCourts);
    const int dayRounds = std::max(1, dayRoundsOf(session_.Matches, courts));
    const int played = (firstUnplayedMatch(session_.Matches, courts) - 1) / courts;
    const QScopedValueRollback<bool> setting(settingRound_, true);
    roundSpin->setMaximum(dayRounds);
    if (!roundChosen_)
        roundSpin->setValue(played > 0 ? std::min(played, dayRounds) : dayRounds);
    anotherDrawButton->setVisible(session_.PairingOpen && played == 0);
}

void ScheduleStatsWindow::recompute() {
    followRounds();
    const int courts = std::clamp(session_.CourtCount, MinCourts, MaxCourts);
    const std::vector<Name> members = participantsOf(session_.Roster);
    const int endMatch = roundSpin->value() * courts;
    quality_ = computeQuality(members, session_.Matches, courts, 0, endMatch);
    const DayRules rules = dayRulesFromBits(session_.DayRuleBits);
    ruled_ = rules.any() && factsSource_ && !members.empty();
    if (ruled_) {
        facts_ = factsSource_(members);
        ruleFigures_ = ruleFigures(members, facts_, session_.Matches, courts, 0, endMatch);
        ruledQuality_ = ruledQuality(members, facts_, rules, session_.Matches, courts, 0, endMatch);
    }
    courtWarning->setVisible(session_.PairingOpen &&
                             !roundsHoldDistinctMembers(session_.Matches, session_.CourtCount));
    fillSummary();
    fillMembers();
    fillGrid();
}

void ScheduleStatsWindow::fillSummary() {
    struct Line {
        Line(const QString& l, QualityFigure f, bool more = false, const QString& t = {})
            : label(l), figure(f), moreIsBetter(more), text(t) {}
        Line(const char* l, QualityFigure f, bool more = false, const QString& t = {})
            : Line(QString::fromUtf8(l), f, more, t) {}
        QString label;
        QualityFigure figure;
        bool moreIsBetter; // the bound is the most there can be
        QString text;      // shown instead of the value when set
    };
    const ScheduleQuality& q = quality_;
    std::vector<Line> lines{{
        {"現在出場中のメンバー数", {q.presentNow, std::nullopt}},
        {"メンバー数（途中参加・途中退出を含む）", {q.members, std::nullopt}},
        {"コート数", {q.courts, std::nullopt}},
        {"ラウンド数", {q.rounds, std::nullopt}},
        {"試合数の差（全時間参加者）", q.playSpread},
        {"ペア回数の差（最多−最少）", q.partnerSpread},
        {"同じペアの最多回数", q.partnerMax},
        {"対戦回数の差（最多−最少）", q.opponentSpread},
        {"同じ相手との最多対戦回数", q.opponentMax},
        {"最長の連続休み（ラウンド）", q.longestSitOut},
        {"最長の連続出場（ラウンド）", q.longestPlayRun},
        {"途中で終えたときの試合数の差", q.prefixPlaySpread},
        {"途中で終えたときのペア回数の超過", q.prefixPartnerExcess},
        {"途中で終えたときの対戦回数の超過", q.prefixOpponentExcess},
    }};
    if (ruled_) {
        const DayRules rules = dayRulesFromBits(session_.DayRuleBits);
        const RuleFigures& f = ruleFigures_;
        lines.push_back({"ルールを守れなかった試合", {f.breaks(rules), 0}});
        lines.push_back(
            {"2ペアのレベル合計の差（最大）",
             {f.largestLevelGap, rules.levelBalance ? std::optional(1) : std::nullopt}});
        lines.push_back(
            {"2ペアのレベル合計の差（平均）", {}, false, QString::number(f.meanLevelGap, 'f', 2)});
        if (f.fixedPairs > 0)
            lines.push_back({"固定ペアを守れた組", {f.fixedPairsKept, f.fixedPairs}, true});
        if (f.apartPairs > 0)
            lines.push_back({"別々にできた組", {f.apartPairsKept, f.apartPairs}, true});
        const auto within = [&lines](const char* what, const RuledFigure& r) {
            lines.push_back({QString::fromUtf8(what) + QStringLiteral("（") +
                                 QString::fromStdString(r.over) + QStringLiteral("）"),
                             r.figure});
        };
        for (const RuledFigure& r : ruledQuality_.playSpread)
            within("試合数の差", r);
        within("ペア回数の差", ruledQuality_.partnerSpread);
        for (const RuledFigure& r : ruledQuality_.opponentSpread)
            within("対戦回数の差", r);
    }
    summaryTable->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        const Line& line = lines[static_cast<std::size_t>(r)];
        summaryTable->setItem(r, 0, cell(line.label, Qt::AlignLeft));
        QTableWidgetItem* value =
            line.text.isEmpty() ? number(line.figure.value) : cell(line.text, Qt::AlignRight);
        // Off the best possible: worth a look.
        if (line.figure.bound && (line.moreIsBetter ? line.figure.value < *line.figure.bound
                                                    : line.figure.value > *line.figure.bound))
            value->setBackground(meetingColour(1));
        summaryTable->setItem(r, 1, value);
        summaryTable->setItem(r, 2,
                              line.figure.bound ? number(*line.figure.bound)
                                                : cell(QStringLiteral("－"), Qt::AlignRight));
    }
    summaryTable->resizeColumnsToContents();
    // The rules' rows can make the list long: beyond a screen's worth of rows
    // it scrolls instead of growing the window off a laptop's screen.
    constexpr int MostRowsShown = 16;
    const bool scrolls = summaryTable->rowCount() > MostRowsShown;
    int width = 2 * summaryTable->frameWidth();
    for (int c = 0; c < summaryTable->columnCount(); ++c)
        width += summaryTable->columnWidth(c);
    if (scrolls)
        width += summaryTable->verticalScrollBar()->sizeHint().width();
    summaryTable->setFixedSize(width,
                               2 * summaryTable->frameWidth() +
                                   summaryTable->horizontalHeader()->sizeHint().height() +
                                   RowHeight * std::min(summaryTable->rowCount(), MostRowsShown));
    memberTable->setFixedHeight(summaryTable->height());
}

void ScheduleStatsWindow::fillMembers() {
    const auto& rows = quality_.rows;
    memberTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const MemberQuality& m = rows[static_cast<std::size_t>(r)];
        memberTable->setVerticalHeaderItem(r, cell(QString::number(r + 1)));
        // Their figures cover only the rounds they were there for.
        QString name = decodeCp932(m.name);
        if (m.joined)
            name += QStringLiteral("（途中参加）");
        if (m.left)
            name += QStringLiteral("（途中退出）");
        QTableWidgetItem* nameCell = cell(name, Qt::AlignLeft);
        if (ruled_ && r < facts_.size()) {
            const auto i = static_cast<std::size_t>(r);
            const Gender g = facts_.gender[i];
            QStringList shown;
            if (g != Gender::Unset)
                shown << (g == Gender::Male ? QStringLiteral("男") : QStringLiteral("女"));
            if (facts_.level[i] != UnsetLevel)
                shown << QStringLiteral("L%1").arg(facts_.level[i]);
            if (facts_.fixedPartner[i] >= 0)
                shown << QStringLiteral("固定");
            if (!shown.isEmpty())
                nameCell->setText(name + QStringLiteral(" [") + shown.join(QLatin1Char(' ')) +
                                  QLatin1Char(']'));
            QStringList tip;
            if (const int p = facts_.fixedPartner[i]; p >= 0)
                tip << QStringLiteral("固定ペア: ") +
                           decodeCp932(rows[static_cast<std::size_t>(p)].name);
            QStringList apart;
            for (const int j : facts_.keptApart[i])
                apart << decodeCp932(rows[static_cast<std::size_t>(j)].name);
            if (!apart.isEmpty())
                tip << QStringLiteral("別々にする: ") + apart.join(QStringLiteral("、"));
            nameCell->setToolTip(tip.join(QLatin1Char('\n')));
        }
        memberTable->setItem(r, 0, nameCell);
        memberTable->setItem(r, 1, number(m.plays));
        memberTable->setItem(r, 2, number(m.longestSitOut));
        memberTable->setItem(r, 3, number(m.longestPlayRun));
        memberTable->setItem(r, 4, number(m.distinctPartners));
        memberTable->setItem(r, 5, number(m.distinctOpponents));
    }
    memberTable->resizeColumnsToContents();
}

void ScheduleStatsWindow::fillGrid() {
    const ScheduleQuality& q = quality_;
    const int n = q.members;
    meetingGrid->clear();
    meetingGrid->setRowCount(n);
    meetingGrid->setColumnCount(n);
    for (int i = 0; i < n; ++i) {
        const QString name = decodeCp932(q.rows[static_cast<std::size_t>(i)].name);
        auto* across = cell(QString::number(i + 1));
        across->setToolTip(name);
        meetingGrid->setHorizontalHeaderItem(i, across);
        meetingGrid->setVerticalHeaderItem(
            i, cell(QString::number(i + 1) + QLatin1Char(' ') + name, Qt::AlignLeft));
    }
    for (int i = 0; i < n; ++i) {
        const QString a = decodeCp932(q.rows[static_cast<std::size_t>(i)].name);
        for (int j = 0; j < n; ++j) {
            if (i == j) {
                auto* diagonal = cell(QString());
                diagonal->setBackground(QColor(0x80, 0x80, 0x80));
                meetingGrid->setItem(i, j, diagonal);
                continue;
            }
            const bool partners = j > i;
            const int count = partners ? q.partners.at(i, j) : q.opponents.at(i, j);
            auto* item = cell(QString::number(count));
            if (ruled_ && i < ruledQuality_.members && j < ruledQuality_.members) {
                // Judged by the range the rules leave this pair; a pair the
                // rules never let meet this way stays grey.
                const RuledQuality::PairWindow& w = partners ? ruledQuality_.partnerWindow(i, j)
                                                             : ruledQuality_.opponentWindow(i, j);
                item->setBackground(!w.counted     ? QColor(0xE0, 0xE0, 0xE0)
                                    : count > w.hi ? meetingColour(count - w.hi)
                                    : count < w.lo ? meetingColour(count - w.lo)
                                                   : meetingColour(0));
            } else {
                item->setBackground(meetingColour(
                    distanceFromEven(count, partners ? q.partnerMean : q.opponentMean)));
            }
            const QString b = decodeCp932(q.rows[static_cast<std::size_t>(j)].name);
            item->setToolTip(partners ? QStringLiteral("%1 と %2：ペア %3回").arg(a, b).arg(count)
                                      : QStringLiteral("%1 と %2：対戦 %3回").arg(a, b).arg(count));
            meetingGrid->setItem(i, j, item);
        }
    }
}

bool ScheduleStatsWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && session_.PairingOpen)
        recompute();
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            close();
            return true;
        }
    }
    return QWidget::event(e);
}

} // namespace pf
