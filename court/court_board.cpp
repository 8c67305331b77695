#include "court/court_board.h"

#include "court/court_rounds.h"
#include "court/court_view.h"
#include "widgets/ui_fonts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#ifdef PAIRFORGE_HAVE_MULTIMEDIA
#include <QSoundEffect>
#include <QUrl>
#endif

namespace pf {
namespace {

const QColor Background(18, 24, 30);
const QColor Heading(255, 214, 0);
const QColor NetGrey(212, 208, 200);
const QColor NamePlate(0, 80, 0, 230);
const QColor FinishedPlate(0, 150, 60);
const QColor ClockIdle(170, 170, 170);
const QColor ClockOver(255, 90, 70);
const QColor FlashBackground(190, 30, 20);

constexpr int TickMs = 200;
const int RoundMinuteChoices[] = {5, 8, 10, 12, 15, 20, 25, 30};

// Lines as on the court display's court, in fractions of the court's width.
constexpr double ServiceLineLeft = 97.0 / 400.0;
constexpr double ServiceLineRight = 297.0 / 400.0;

void paintCourt(QPainter& p, const QRect& r) {
    p.fillRect(r, CourtView::Green);
    const int line = std::max(2, r.width() / 200);
    p.setPen(QPen(Qt::white, line));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r).adjusted(line, line, -line, -line));
    const int x1 = r.left() + static_cast<int>(r.width() * ServiceLineLeft);
    const int x2 = r.left() + static_cast<int>(r.width() * ServiceLineRight);
    p.fillRect(x1, r.top(), line, r.height(), Qt::white);
    p.fillRect(x2, r.top(), line, r.height(), Qt::white);
    p.fillRect(x1, r.center().y() - line / 2, x2 - x1 + line, line, Qt::white);
    // The net, raised: light on the left, shadowed on the right.
    const int netW = std::max(4, r.width() / 70);
    const QRect net(r.center().x() - netW / 2, r.top(), netW, r.height());
    p.fillRect(net, NetGrey);
    p.fillRect(net.left(), net.top(), std::max(1, netW / 6), net.height(), Qt::white);
    p.fillRect(net.right() - std::max(1, netW / 6) + 1, net.top(), std::max(1, netW / 6),
               net.height(), QColor(64, 64, 64));
}

} // namespace

QFont boardFont(int pixels, bool bold) {
    return proportionalGothic(pixels, bold);
}

int FontMeasure::width(const QString& text, int pixels, bool bold) const {
    const QFontMetrics fm(boardFont(pixels, bold));
    // The ink of a bold face can reach past its advance.
    return std::max(fm.horizontalAdvance(text), fm.boundingRect(text).width());
}

int FontMeasure::height(int pixels, bool bold) const {
    return QFontMetrics(boardFont(pixels, bold)).height();
}

QScreen* boardScreen(const QWidget* organiserWindow) {
    QScreen* own = organiserWindow ? organiserWindow->screen() : QGuiApplication::primaryScreen();
    for (QScreen* s : QGuiApplication::screens()) {
        if (s != own)
            return s;
    }
    return own;
}

CourtBoard::CourtBoard(Session& session, QWidget* parent, RoundClock::Now now)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), session_(session),
      clock_(now ? std::move(now) : RoundClock::Now([this] { return elapsed_.elapsed(); })) {
    elapsed_.start();
    setWindowTitle(QStringLiteral("コート表示"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    clock_.setMinutes(session_.RoundMinutes);
    lastRound_ = roundStart(session_);
    // Runs while the board is hidden too: a clock started from the menu still
    // chimes at zero.
    ticker_ = new QTimer(this);
    ticker_->setInterval(TickMs);
    connect(ticker_, &QTimer::timeout, this, &CourtBoard::tick);
}

void CourtBoard::setChime(std::function<void()> chime) {
    chime_ = std::move(chime);
}

void CourtBoard::setRoundMinutes(int minutes) {
    clock_.setMinutes(minutes);
    session_.RoundMinutes = clock_.minutes();
    update();
}

void CourtBoard::setClockRestart(bool on) {
    session_.ClockRestart = on ? 1 : 0;
}

void CourtBoard::startClock() {
#ifdef PAIRFORGE_HAVE_MULTIMEDIA
    // Loaded now, so that it is ready when the time is up.
    if (!chime_ && !sound_) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/sounds/round_end.wav")));
        sound_ = effect;
    }
#endif
    clock_.start();
    ticker_->start();
    update();
}

void CourtBoard::pauseClock() {
    clock_.pause();
    update();
}

void CourtBoard::resetClock() {
    clock_.reset();
    update();
}

void CourtBoard::tick() {
    if (clock_.poll())
        playChime();
    const RoundClock::State s = clock_.state();
    if (s != RoundClock::State::Running && !clock_.flashing())
        ticker_->stop();
    if (isVisible())
        update();
}

void CourtBoard::playChime() {
    if (chime_) {
        chime_();
        return;
    }
#ifdef PAIRFORGE_HAVE_MULTIMEDIA
    auto* effect = qobject_cast<QSoundEffect*>(sound_);
    if (effect && effect->status() != QSoundEffect::Error) {
        effect->play();
        return;
    }
#endif
    QApplication::beep();
}

void CourtBoard::followRound() {
    const int now = roundStart(session_);
    if (now > lastRound_ && session_.ClockRestart != 0) {
        clock_.reset();
        startClock();
    }
    lastRound_ = now;
}

void CourtBoard::setPendingCounts(PendingCounts pending) {
    pending_ = std::move(pending);
}

void CourtBoard::showOn(QScreen* screen) {
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    raise();
    activateWindow();
}

BoardContent CourtBoard::content() const {
    const std::vector<ShownCounts> pending = pending_ ? pending_() : std::vector<ShownCounts>{};
    BoardContent c = boardContent(session_, pending);
    c.clock = clock_.text();
    return c;
}

BoardLayout CourtBoard::currentLayout() const {
    return layoutBoard(size(), content(), measure_);
}

void CourtBoard::refresh() {
    followRound();
    if (isVisible())
        update();
}

void CourtBoard::nextRound() {
    step(+1);
}

void CourtBoard::previousRound() {
    step(-1);
}

void CourtBoard::step(int rounds) {
    if (stepRound(session_, rounds)) {
        followRound();
        update();
    }
}

void CourtBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(rect(), clock_.flashOn() ? FlashBackground : Background);
    const BoardLayout layout = currentLayout();
    for (const QRect& court : layout.courts)
        paintCourt(p, court);
    for (const BoardText& t : layout.texts) {
        p.setFont(boardFont(t.pixels, t.bold));
        QColor colour = Qt::white;
        if (t.role == BoardRole::Heading || t.role == BoardRole::Score ||
            t.role == BoardRole::Court || t.role == BoardRole::Round)
            colour = Heading;
        if (t.role == BoardRole::Clock) {
            const RoundClock::State s = clock_.state();
            colour = s == RoundClock::State::Running   ? QColor(Qt::white)
                     : s == RoundClock::State::Expired ? ClockOver
                                                       : ClockIdle;
            if (clock_.flashOn())
                colour = Qt::white;
        }
        if (t.role == BoardRole::Finished) {
            p.setPen(Qt::NoPen);
            p.setBrush(FinishedPlate);
            p.drawRoundedRect(t.rect, t.pixels / 5.0, t.pixels / 5.0);
        }
        if (t.role == BoardRole::Name) {
            // A plate under each name, so that a court line crossing a name
            // with a space in it does not read as two names.
            const int w =
                std::min(t.rect.width(), measure_.width(t.text, t.pixels, t.bold) + t.pixels / 2);
            const QRect plate(t.rect.center().x() - w / 2, t.rect.top(), w, t.rect.height());
            p.setPen(Qt::NoPen);
            p.setBrush(NamePlate);
            p.drawRoundedRect(plate.intersected(t.rect), t.pixels / 6.0, t.pixels / 6.0);
        }
        p.setPen(colour);
        p.drawText(t.rect, static_cast<int>(t.align), t.text);
    }
}

void CourtBoard::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Space:
    case Qt::Key_PageDown:
        nextRound();
        break;
    case Qt::Key_Left:
    case Qt::Key_Backspace:
    case Qt::Key_PageUp:
        previousRound();
        break;
    case Qt::Key_Escape:
    case Qt::Key_F11:
        close();
        break;
    case Qt::Key_S:
        startClock();
        break;
    case Qt::Key_P:
        pauseClock();
        break;
    case Qt::Key_R:
        resetClock();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CourtBoard::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    step(event->position().x() < width() / 2.0 ? -1 : +1);
}

void CourtBoard::wheelEvent(QWheelEvent* event) {
    const int dy = event->angleDelta().y();
    if (dy != 0)
        step(dy < 0 ? +1 : -1);
    event->accept();
}

void CourtBoard::contextMenuEvent(QContextMenuEvent* event) {
    // Not run modally: the board keeps following the main window meanwhile.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("次の回へ(&N)"), this, &CourtBoard::nextRound)
        ->setEnabled(hasNextRound(session_));
    menu->addAction(QStringLiteral("前の回へ(&B)"), this, &CourtBoard::previousRound)
        ->setEnabled(hasPreviousRound(session_));
    menu->addSeparator();
    menu->addAction(QStringLiteral("時計を開始 (S)"), this, &CourtBoard::startClock)
        ->setEnabled(!clock_.running());
    menu->addAction(QStringLiteral("時計を一時停止 (P)"), this, &CourtBoard::pauseClock)
        ->setEnabled(clock_.running());
    menu->addAction(QStringLiteral("時計を戻す (R)"), this, &CourtBoard::resetClock);
    QMenu* minutes = menu->addMenu(QStringLiteral("1回の時間(&M)"));
    for (const int m : RoundMinuteChoices) {
        QAction* a = minutes->addAction(QStringLiteral("%1分").arg(m), this,
                                        [this, m] { setRoundMinutes(m); });
        a->setCheckable(true);
        a->setChecked(m == clock_.minutes());
    }
    QAction* restart = menu->addAction(QStringLiteral("次の回へ進んだら時計をやり直す(&A)"));
    restart->setCheckable(true);
    restart->setChecked(session_.ClockRestart != 0);
    connect(restart, &QAction::toggled, this, &CourtBoard::setClockRestart);
    menu->addSeparator();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        QScreen* s = screens.at(i);
        QAction* a = menu->addAction(QStringLiteral("画面%1に表示 (%2×%3)")
                                         .arg(i + 1)
                                         .arg(s->geometry().width())
                                         .arg(s->geometry().height()),
                                     this, [this, s] { showOn(s); });
        a->setCheckable(true);
        a->setChecked(s == screen());
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("閉じる(&C)"), this, &QWidget::close);
    menu->popup(event->globalPos());
}

} // namespace pf
