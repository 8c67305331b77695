#include "standings/standings_window.h"

#include "model/text_codec.h"

#include "widgets/ui_fonts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableWidget>

#include <algorithm>

namespace pf {
namespace {

// The layout was drawn for a window whose frame adds 8 pixels to the width and
// 34 to the height of the client area; the geometry below is in client terms.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;
constexpr int ClientWidth = 800 - FrameWidth;
constexpr int ClientHeight = 462 - FrameHeight;
constexpr int MinClientWidth = 614 - FrameWidth;
constexpr int MinClientHeight = 200 - FrameHeight;

constexpr int ButtonLeft = 614;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int RuleLeft = 40;
constexpr int RuleHeight = 20;
constexpr int RuleFontPixels = 16;
constexpr int GapBeforeButton = 8;

constexpr int GridFontPixels = 15;
constexpr int HeadingFontPixels = 13;
constexpr int RowHeight = 18;
constexpr int RankWidth = 64;
constexpr int NameWidth = 121;
constexpr int NumberWidth = 64;
constexpr int MemberRows = StandingsRows - 1; // all 100 members fit
constexpr char HeadingProperty[] = "heading";

// Paints the heading of the rank column on the grid's corner button, which Qt
// leaves blank; the corner sits above the rank column like a fixed cell. The
// text is the button's "heading" property.
class CornerHeading : public QObject {
public:
    explicit CornerHeading(QAbstractButton* corner) : QObject(corner), corner_(corner) {
        corner_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != corner_ || e->type() != QEvent::Paint)
            return false;
        QStyleOptionHeader opt;
        opt.initFrom(corner_);
        opt.rect = corner_->rect();
        opt.text = corner_->property(HeadingProperty).toString();
        opt.textAlignment = Qt::AlignCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        // The corner is disabled so that it does not select the whole grid,
        // but its heading reads like the others.
        opt.state |= QStyle::State_Raised | QStyle::State_Enabled;
        opt.palette.setCurrentColorGroup(QPalette::Active);
        QStylePainter painter(corner_);
        painter.drawControl(QStyle::CE_Header, opt);
        return true;
    }

private:
    QAbstractButton* corner_;
};

} // namespace

const QString& TForm4::ruleText(int rankingMethod) {
    static const QString byMatches =
        QStringLiteral("各試合の勝率、同率の場合は、各ゲームの合計のゲーム率にて順位を決定");
    static const QString byGames = QStringLiteral("各ゲームの合計のゲーム率にて順位を決定");
    return rankingMethod == 0 ? byMatches : byGames;
}

TForm4::TForm4(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("順位の表示"));
    setFont(proportionalGothic(12));
    setMinimumSize(MinClientWidth, MinClientHeight);
    setMaximumWidth(ClientWidth);

    buildGrid();

    Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    // Esc closes it as it closes every dialog of the program.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { Button1Click(); });
    escape->setObjectName(QStringLiteral("closeShortcut"));

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setAutoFillBackground(true);
    QPalette white = StaticText1->palette();
    white.setColor(QPalette::Window, Qt::white);
    StaticText1->setPalette(white);
    StaticText1->setFrameShape(QFrame::Panel);
    StaticText1->setFrameShadow(QFrame::Sunken);

    move(170, 190);
    resize(ClientWidth, ClientHeight);
    FormResize();
}

void TForm4::buildGrid() {
    StringGrid1 = new QTableWidget(0, StandingsColumns - 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setFont(proportionalGothic(GridFontPixels));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setCornerButtonEnabled(false);
    StringGrid1->setWordWrap(false);

    // Row 0 of the table is the grid's column header and column 0 its row
    // header, so headings and ranks stay in view while scrolling.
    QHeaderView* top = StringGrid1->horizontalHeader();
    // Headings a little smaller than the cells, so that four-character ones
    // such as "ゲーム数" fit their 64-pixel columns in a fixed-width face.
    top->setFont(proportionalGothic(HeadingFontPixels));
    top->setSectionResizeMode(QHeaderView::Interactive);
    top->setHighlightSections(false);
    for (int c = 1; c < StandingsColumns; ++c) {
        StringGrid1->setHorizontalHeaderItem(c - 1, new QTableWidgetItem);
        StringGrid1->setColumnWidth(c - 1, c == 1 ? NameWidth : NumberWidth);
    }
    QHeaderView* side = StringGrid1->verticalHeader();
    side->setFont(proportionalGothic(GridFontPixels));
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setMinimumSectionSize(RowHeight); // before the default, which it bounds
    side->setDefaultSectionSize(RowHeight);
    side->setFixedWidth(RankWidth);
    side->setDefaultAlignment(Qt::AlignCenter);
    side->setHighlightSections(false);
    StringGrid1->setRowCount(MemberRows);
    for (int r = 1; r <= MemberRows; ++r) {
        StringGrid1->setVerticalHeaderItem(r - 1, new QTableWidgetItem);
        for (int c = 1; c < StandingsColumns; ++c)
            StringGrid1->setItem(r - 1, c - 1, new QTableWidgetItem);
    }
    // The only button among the grid's children is its corner.
    corner_ = StringGrid1->findChild<QAbstractButton*>();
    if (corner_) {
        corner_->setFont(proportionalGothic(HeadingFontPixels));
        new CornerHeading(corner_);
    }
}

StandingsTable& TForm4::recompute() {
    QString rule = ruleText(session_.RankingMethod);
    if (session_.MinMatches > 0)
        rule += QStringLiteral("（%1試合未満は順位なし）").arg(session_.MinMatches);
    StaticText1->setText(rule);
    fitRuleText();
    standings_ = computeStandings(session_.Matches, rankingRuleOf(session_.RankingMethod),
                                  session_.MinMatches);
    table_ = standingsTable(standings_);
    showTable();
    return table_;
}

void TForm4::showTable() {
    if (corner_) {
        corner_->setProperty(HeadingProperty, decodeCp932(table_.cell(0, 0)));
        corner_->update();
    }
    for (int c = 1; c < StandingsColumns; ++c)
        StringGrid1->horizontalHeaderItem(c - 1)->setText(decodeCp932(table_.cell(0, c)));
    for (int r = 1; r <= MemberRows; ++r) {
        StringGrid1->verticalHeaderItem(r - 1)->setText(decodeCp932(table_.cell(r, 0)));
        for (int c = 1; c < StandingsColumns; ++c)
            StringGrid1->item(r - 1, c - 1)->setText(decodeCp932(table_.cell(r, c)));
    }
}

QString TForm4::shownCell(int row, int column) const {
    if (row == 0 && column == 0) {
        return corner_ ? corner_->property(HeadingProperty).toString() : QString();
    }
    if (row == 0)
        return StringGrid1->horizontalHeaderItem(column - 1)->text();
    if (column == 0)
        return StringGrid1->verticalHeaderItem(row - 1)->text();
    return StringGrid1->item(row - 1, column - 1)->text();
}

void TForm4::FormActivate() {
    recompute();
}

void TForm4::FormResize() {
    const int h = height();
    const int outer = h + FrameHeight;
    // The button keeps its place unless the window is too narrow to show it.
    const int buttonLeft = std::min(ButtonLeft, width() - ButtonWidth - 4);
    Button1->setGeometry(buttonLeft, outer - 65, ButtonWidth, ButtonHeight);
    StaticText1->setGeometry(RuleLeft, outer - 62, buttonLeft - GapBeforeButton - RuleLeft,
                             RuleHeight);
    StringGrid1->setGeometry(0, 0, width(), outer - 80);
    fitRuleText();
}

void TForm4::Button1Click() {
    close();
}

void TForm4::fitRuleText() {
    // The rule text keeps its size unless the window is made so narrow that it
    // would be cut off; then it is set a little smaller.
    QFont f = proportionalGothic(RuleFontPixels);
    const int room = StaticText1->contentsRect().width() - 4;
    while (f.pixelSize() > 9 && QFontMetrics(f).horizontalAdvance(StaticText1->text()) > room)
        f.setPixelSize(f.pixelSize() - 1);
    StaticText1->setFont(f);
}

bool TForm4::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    if (e->type() == QEvent::KeyPress) {
        // Enter presses the default button even while the grid has the focus.
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
    }
    return QWidget::event(e);
}

void TForm4::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FormResize();
}

} // namespace pf
