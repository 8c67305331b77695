#pragma once
// The picture shown while the program starts. It has no title bar, stays on
// top, and closes and deletes itself on its first timer tick after three
// seconds; a slow start-up simply keeps it up until the event loop runs.
//
// Usage by start-up: TForm10::showSplash() right after the QApplication
// exists, before any other window is created.

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace pf {

class TForm10 : public QWidget {
    Q_OBJECT
public:
    static constexpr int DisplayMilliseconds = 3000;

    // Creates the splash centred on the screen, shows it and paints it at
    // once. The window owns itself: it is deleted when its timer closes it.
    static TForm10* showSplash();

    // Window kind of the splash: no title bar and no frame icons, on top.
    static Qt::WindowFlags CreateParams();

    // Closes and frees the window; the only way it closes.
    void Timer1Timer();

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    TForm10(); // only through showSplash(): the window deletes itself
    void FormClose(QCloseEvent* e);

    bool closingByTimer_ = false;
};

} // namespace pf
