// The components of the main window, at the places and sizes of its fixed
// 690 × 447 client area (toolbar row, members area, match panels, page scroll
// bar and, below them, the status bar).

#include "app/artwork.h"
#include "app/main_window.h"
#include "widgets/score_edit.h"
#include "widgets/ui_fonts.h"
#include "widgets/up_down.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QUndoStack>

namespace pf {
namespace {

constexpr int ClientWidth = 690;
constexpr int ClientHeight = 447;
constexpr int StatusHeight = 19;

const QString HintNewPairing = QStringLiteral("新しい組み合わせを生成します。既に組み合わせを表示し"
                                              "ている場合は、一旦組み合わせを閉じて下さい。");
const QString HintSave = QStringLiteral("組み合わせを上書きでファイルに保存します。");
const QString HintMembers = QStringLiteral("参加するメンバーを選択します。");
const QString HintCandidates =
    QStringLiteral("あらかじめメンバーの候補を登録しておく事ができます。");
const QString HintStart = QStringLiteral("試合開始時に選択します。");
const QString HintAnnounce = QStringLiteral("上位３名を発表形式で表示します。");
const QString HintGames = QStringLiteral("勝ち数を指定して下さい。");
const QString HintCourts = QStringLiteral("試合に使用するコート数を指定して下さい。");

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, const QFont& font,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->setGeometry(geometry);
    l->setAlignment(align);
    return l;
}

QFrame* panel(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setGeometry(geometry);
    p->setAutoFillBackground(true);
    return p;
}

// A read-only edit in the button-face colour, as the count edits are drawn.
template <class Edit = QLineEdit>
Edit* countEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                const QString& hint, int pixels) {
    auto* e = new Edit(parent);
    e->setText(text);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFont(fixedGothic(pixels));
    e->setGeometry(geometry);
    e->setStatusTip(hint);
    e->setTextMargins(0, 0, 0, 0);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    e->setPalette(pal);
    return e;
}

QLineEdit* nameEdit(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setGeometry(geometry);
    e->setTextMargins(0, 0, 0, 0);
    return e;
}

} // namespace

QAction* TForm1::addCommand(QMenu* menu, const char* name, const QString& caption,
                            const QString& hint, Command command) {
    QAction* a = menu->addAction(caption, this, command);
    a->setObjectName(QString::fromLatin1(name));
    a->setStatusTip(hint);
    return a;
}

QPushButton* TForm1::addSpeedButton(QWidget* client, const char* name, int left, int width,
                                    const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, client);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 2, width, 20);
    b->setStatusTip(hint);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto separator = [](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = menu("FileF1", QStringLiteral("ファイル(&F)"));
    N8 = addCommand(file, "N8", QStringLiteral("新規組み合わせ(&N)"), HintNewPairing,
                    &TForm1::N8Click);
    O1 = addCommand(file, "O1", QStringLiteral("ファイルを開く(&O)..."),
                    QStringLiteral("組み合わせファイルを開きます。"), &TForm1::O1Click);
    C1 = addCommand(file, "C1", QStringLiteral("組み合わせを閉じる(&C)"),
                    QStringLiteral("組み合わせを閉じます。"), &TForm1::C1Click);
    separator(file, "N7");
    N6 = addCommand(file, "N6", QStringLiteral("上書き保存する(&W)"), HintSave, &TForm1::N6Click);
    R1 = addCommand(file, "R1", QStringLiteral("名前を付けて保存する(&R)..."),
                    QStringLiteral("組み合わせを別のファイル名で保存する。"), &TForm1::R1Click);
    CSVT1 = addCommand(file, "CSVT1", QStringLiteral("CSV形式で出力する(&T)..."),
                       QStringLiteral("組み合わせをCSV形式で保存します。"), &TForm1::CSVT1Click);
    HTMLH1 = addCommand(file, "HTMLH1", QStringLiteral("HTML形式で出力する(&H)..."),
                        QStringLiteral("組み合わせをHTML形式で保存します。"), &TForm1::HTMLH1Click);
    buildPrintCommands(file);
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setObjectName(QStringLiteral("RecentSeparator"));
    for (int i = 0; i < static_cast<int>(recentActions_.size()); ++i) {
        QAction* a = file->addAction(QString(), this, [this, i] { openRecentFile(i); });
        a->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        recentActions_[static_cast<std::size_t>(i)] = a;
    }
    separator(file, "N1");
    X1 = addCommand(file, "X1", QStringLiteral("終了する(&X)"),
                    QStringLiteral("プログラムを終了します。"), &TForm1::X1Click);
    // The keys every desktop program has for these, beside the menu's letters.
    O1->setShortcut(QKeySequence::Open);
    N6->setShortcut(QKeySequence::Save);
    R1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    QMenu* members = menu("N2", QStringLiteral("メンバー(&M)"));
    S1 = addCommand(members, "S1", QStringLiteral("メンバー選択(&S)..."), HintMembers,
                    &TForm1::S1Click);
    E1 = addCommand(members, "E1", QStringLiteral("メンバー候補リストの編集(&E)..."),
                    HintCandidates, &TForm1::E1Click);
    buildReplanCommand(members);

    QMenu* show = menu("Show1", QStringLiteral("表示(&D)"));
    N3 = addCommand(show, "N3", QStringLiteral("次の対戦を表示する(&N)"),
                    QStringLiteral("次の組み合わせを表示します。"), &TForm1::N3Click);
    B1 = addCommand(show, "B1", QStringLiteral("前の対戦を表示する(&B)"),
                    QStringLiteral("前の組み合わせを表示します。"), &TForm1::B1Click);
    separator(show, "statsSeparator");
    scheduleStatsAction_ =
        addCommand(show, "scheduleStatsAction", QStringLiteral("組合せの統計を表示する(&S)..."),
                   QStringLiteral("試合数、ペア、対戦相手、休みの偏りを表示します。"),
                   &TForm1::showScheduleStats);
    courtBoardAction_ = addCommand(
        show, "courtBoardAction", QStringLiteral("コート表示(&C)"),
        QStringLiteral("今の回のコートと次の試合を、テレビやプロジェクターに全画面で表示します。"),
        &TForm1::CourtBoardClick);
    courtBoardAction_->setShortcut(Qt::Key_F11);

    QMenu* games = menu("N5", QStringLiteral("試合(&S)"));
    G1 = addCommand(games, "G1", QStringLiteral("試合を開始する(&G)..."), HintStart,
                    &TForm1::G1Click);
    T1 = addCommand(games, "T1", QStringLiteral("順位を表示する(&T)..."),
                    QStringLiteral("全順位を表示します。"), &TForm1::T1Click);
    S2 = addCommand(games, "S2", QStringLiteral("順位を発表する(&S)..."), HintAnnounce,
                    &TForm1::S2Click);
    separator(games, "clockSeparator");
    clockActions_[0] =
        addCommand(games, "clockStartAction", QStringLiteral("時計を開始する(&K)"),
                   QStringLiteral("コート表示の時計で、この回の残り時間を数えます。"),
                   &TForm1::startRoundClock);
    clockActions_[1] =
        addCommand(games, "clockPauseAction", QStringLiteral("時計を一時停止する(&P)"),
                   QStringLiteral("コート表示の時計を止めます。"), &TForm1::pauseRoundClock);
    clockActions_[2] = addCommand(games, "clockResetAction", QStringLiteral("時計を戻す(&E)"),
                                  QStringLiteral("コート表示の時計を1回の時間に戻します。"),
                                  &TForm1::resetRoundClock);
    separator(games, "UndoSeparator");
    undoAction_ = games->addAction(QStringLiteral("元に戻す(&U)"), QKeySequence::Undo, undoStack_,
                                   &QUndoStack::undo);
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setEnabled(false);
    connect(undoStack_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    redoAction_ =
        games->addAction(QStringLiteral("やり直し(&R)"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                         undoStack_, &QUndoStack::redo);
    redoAction_->setObjectName(QStringLiteral("redoAction"));
    // Ctrl+Shift+Z as well, the other usual redo key: a score box hands
    // both on rather than keeping them for its own text.
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redoAction_->setEnabled(false);
    connect(undoStack_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);

    QMenu* options = menu("O2", QStringLiteral("オプション(&O)"));
    C2 = addCommand(options, "C2", QStringLiteral("環境設定(&C)..."),
                    QStringLiteral("プログラムの環境設定をする。"), &TForm1::C2Click);

    QMenu* help = menu("Help1", QStringLiteral("ヘルプ(&H)"));
    R2 = addCommand(help, "R2", QStringLiteral("説明の表示(&R)"), QString(), &TForm1::R2Click);
    separator(help, "N9");
    N4 = addCommand(help, "N4", QStringLiteral("バージョン情報を表示する(&A)..."),
                    QStringLiteral("バージョンを表示する。"), &TForm1::N4Click);
}

void TForm1::buildToolbar(QWidget* client) {
    // Widths as laid out for the Windows Gothic, widened only where the Noto
    // face needs more room; the gaps between the buttons stay one pixel.
    speedButtons_[0] =
        addSpeedButton(client, "SpeedButton1", 0, 166,
                       QStringLiteral("メンバー候補リストの編集(&1)"), HintCandidates);
    speedButtons_[1] = addSpeedButton(client, "SpeedButton2", 167, 94,
                                      QStringLiteral("メンバー選択(&2)"), HintMembers);
    speedButtons_[2] = addSpeedButton(client, "SpeedButton3", 262, 106,
                                      QStringLiteral("新規組み合わせ(&3)"), HintNewPairing);
    speedButtons_[3] = addSpeedButton(client, "SpeedButton4", 369, 106,
                                      QStringLiteral("上書き保存する(&4)"), HintSave);
    speedButtons_[4] = addSpeedButton(client, "SpeedButton5", 476, 106,
                                      QStringLiteral("試合を開始する(&5)"), HintStart);
    speedButtons_[5] = addSpeedButton(client, "SpeedButton6", 583, 106,
                                      QStringLiteral("順位を発表する(&6)"), HintAnnounce);
    connect(speedButtons_[0], &QPushButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(speedButtons_[1], &QPushButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(speedButtons_[2], &QPushButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(speedButtons_[3], &QPushButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(speedButtons_[4], &QPushButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(speedButtons_[5], &QPushButton::clicked, this, &TForm1::SpeedButton6Click);
}

void TForm1::buildMembersArea(QWidget* client) {
    QFrame* members = panel(client, QStringLiteral("Panel7"), QRect(0, 28, 174, 324));
    const QFont labels = proportionalGothic(12);
    label(members, QStringLiteral("コート"), QRect(6, 2, 44, 24), labels,
          Qt::AlignRight | Qt::AlignVCenter);
    Edit37 = countEdit(members, QStringLiteral("Edit37"), QRect(54, 2, 33, 24),
                       QString::number(session_.CourtCount), HintCourts, 16);
    UpDown13 = new UpDown(Edit37, MinCourts, MaxCourts, members);
    UpDown13->setObjectName(QStringLiteral("UpDown13"));
    UpDown13->setGeometry(87, 2, 17, 24);
    UpDown13->setStatusTip(HintCourts);
    label(members, QStringLiteral("面"), QRect(108, 2, 20, 24), labels);

    label(members, QStringLiteral("メンバー"), QRect(2, 27, 48, 24), labels,
          Qt::AlignRight | Qt::AlignVCenter);
    Edit38 = countEdit(members, QStringLiteral("Edit38"), QRect(54, 27, 33, 24),
                       QStringLiteral("0"), QStringLiteral("登録されているメンバー数です。"), 16);
    label(members, QStringLiteral("人"), QRect(91, 27, 20, 24), labels);

    StringGrid1 = new QTableWidget(MaxMembers, 1, members);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(4, 52, 165, 267);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(16);
    StringGrid1->verticalHeader()->setMinimumSectionSize(16);
    StringGrid1->setColumnWidth(0, 142);
    StringGrid1->setShowGrid(true);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->setWordWrap(false);
    for (int row = 0; row < MaxMembers; ++row)
        StringGrid1->setItem(row, 0, new QTableWidgetItem());

    auto* picture = new QFrame(client);
    picture->setObjectName(QStringLiteral("Panel19"));
    picture->setGeometry(2, 351, 171, 76);
    picture->setAutoFillBackground(true);
    QPalette black = picture->palette();
    black.setColor(QPalette::Window, Qt::black);
    picture->setPalette(black);
    auto* image = new QLabel(picture);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(2, 2, 166, 71);
    image->setPixmap(makeArtwork(QSize(166, 71)));
}

void TForm1::buildMatchPanels(QWidget* client) {
    static const char* const innerNames[] = {"Panel14", "Panel13", "Panel15",
                                             "Panel16", "Panel17", "Panel18"};
    const QFont bold19 = proportionalGothic(19, true);
    const QFont big = proportionalGothic(27);
    for (int n = 0; n < MatchesPerPage; ++n) {
        MatchPanel& mp = panels_[static_cast<std::size_t>(n)];
        const QString num = QString::number(n + 1);
        mp.panel = panel(client, QStringLiteral("Panel") + num, QRect(176, 28 + 67 * n, 489, 65));

        QFrame* inner = panel(mp.panel, QString::fromLatin1(innerNames[n]), QRect(1, 1, 74, 62));
        // The match number stays on the button face when the panel turns green.
        QPalette face = inner->palette();
        face.setColor(QPalette::Window, face.color(QPalette::Button));
        inner->setPalette(face);
        label(inner, QStringLiteral("第"), QRect(2, 2, 22, 28), bold19);
        mp.number = label(inner, QString(), QRect(24, 2, 40, 28), bold19, Qt::AlignCenter);
        mp.number->setObjectName(QStringLiteral("Label") + QString::number(27 + 2 * n));
        label(inner, QStringLiteral("試合"), QRect(16, 31, 46, 28), bold19);

        static const int winLeft[2] = {80, 432};
        static const char sideName[2] = {'A', 'B'};
        for (int side = 0; side < 2; ++side) {
            const int left = winLeft[side];
            auto* box = countEdit<ScoreEdit>(
                mp.panel, QStringLiteral("Edit%1Win%2").arg(num).arg(sideName[side]),
                QRect(left, 4, 33, 27), QStringLiteral("0"), HintGames, 19);
            mp.win[side] = box;
            mp.upDown[side] = new UpDown(mp.win[side], 0, 20, mp.panel);
            mp.upDown[side]->setObjectName(QStringLiteral("UpDown") +
                                           QString::number(2 * n + side + 1));
            mp.upDown[side]->setGeometry(left + 33, 4, 17, 27);
            mp.upDown[side]->setStatusTip(HintGames);
            mp.upDown[side]->setEnabled(false);
            label(mp.panel, QStringLiteral("勝"), QRect(left + 8, 31, 32, 33), big,
                  Qt::AlignCenter);
            connect(mp.upDown[side], &UpDown::changing, this, &TForm1::UpDown1Changing);
            connect(mp.win[side], &QLineEdit::textChanged, this,
                    [this, n, side] { EditWinChange(n, side); });
            connect(box, &ScoreEdit::advance, this,
                    [this, n, side](bool forward) { moveScoreFocus(n, side, forward); });
            connect(box, &ScoreEdit::wheelStep, mp.upDown[side], &UpDown::step);
            connect(box, &ScoreEdit::left, this, [this, n, side] { scoreBoxLeft(n, side); });
        }
        static const char positions[4] = {'a', 'b', 'c', 'd'};
        for (int k = 0; k < 4; ++k) {
            const int left = k < 2 ? 140 : 300;
            const int top = k % 2 == 0 ? 10 : 34;
            mp.name[k] = nameEdit(mp.panel, QStringLiteral("Edit%1%2").arg(num).arg(positions[k]),
                                  QRect(left, top, 121, 20));
        }
        label(mp.panel, QStringLiteral("対"), QRect(266, 14, 32, 36), big, Qt::AlignCenter);
    }

    static const int separatorTops[5] = {92, 159, 226, 293, 360};
    for (int i = 0; i < 5; ++i) {
        auto* bar = new QFrame(client);
        bar->setObjectName(QStringLiteral("Panel") + QString::number(8 + i));
        bar->setGeometry(176, separatorTops[i], 489, 4);
        bar->setAutoFillBackground(true);
        QPalette pal = bar->palette();
        pal.setColor(QPalette::Window, Qt::blue);
        bar->setPalette(pal);
        bar->hide();
        separators_[static_cast<std::size_t>(i)] = bar;
    }

    ScrollBar1 = new QScrollBar(Qt::Vertical, client);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(672, 28, 16, 400);
    ScrollBar1->setRange(0, MaxMatches / MatchesPerPage - 1);
    ScrollBar1->setPageStep(1);
    ScrollBar1->setTracking(true);
    ScrollBar1->setEnabled(false);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm1::ScrollBar1Change);
}

QWidget* TForm1::buildClientArea() {
    QMainWindow* window = this;
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientWidth, ClientHeight - StatusHeight);
    window->setCentralWidget(client);
    auto* status = new QStatusBar(window);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    window->setStatusBar(status);
    return client;
}

} // namespace pf
