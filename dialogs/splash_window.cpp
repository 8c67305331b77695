#include "dialogs/splash_window.h"

#include "dialogs/splash_artwork.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace pf {
namespace {

constexpr int Border = 3;

} // namespace

Qt::WindowFlags TForm10::CreateParams() {
    return Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
}

TForm10::TForm10() : QWidget(nullptr, CreateParams()) {
    setObjectName(QStringLiteral("Form10"));
    setFixedSize(ArtworkWidth + 2 * Border, ArtworkHeight + 2 * Border);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Border, Border, ArtworkWidth, ArtworkHeight);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap::fromImage(splashArtwork()));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(DisplayMilliseconds);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

TForm10* TForm10::showSplash() {
    auto* splash = new TForm10; // deletes itself on close
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    return splash;
}

void TForm10::Timer1Timer() {
    closingByTimer_ = true;
    close();
}

void TForm10::FormClose(QCloseEvent* e) {
    // The user cannot close the picture (Alt+F4 and the like); only its timer
    // does.
    if (!closingByTimer_) {
        e->ignore();
        return;
    }
    setAttribute(Qt::WA_DeleteOnClose);
    e->accept();
}

void TForm10::closeEvent(QCloseEvent* e) {
    FormClose(e);
}

} // namespace pf
