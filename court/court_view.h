#pragma once
// One tennis court as the court display draws it: green, with the two
// service lines, the centre service line between them and a raised net
// across the middle, all in the display's 400 × 120 court coordinates. The
// name boxes are placed on it as children by the display.

#include <QFrame>

namespace pf {

class CourtView : public QFrame {
    Q_OBJECT
public:
    static constexpr int Width = 400;
    static constexpr int Height = 120;
    static const QColor Green;

    explicit CourtView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pf
