#pragma once
// One colour of the HTML page: a swatch with its caption, the colour as text
// (normally RRGGBB), a button that opens the colour picker and a "標準" button
// whose action the owning dialog supplies.
//
// The text is the colour: it goes into the page exactly as typed. The swatch
// previews it, reading the first six characters as hexadecimal digits (any
// other character, and a position past the end of a shorter text, counts as
// 0). The picker opens with the colour last chosen in it, black the first
// time, not with the colour of the text.

#include <QColor>
#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pf {

class TFrame11 : public QFrame {
    Q_OBJECT
public:
    explicit TFrame11(const QString& caption, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QColor swatchColor() const;
    QColor lastPickedColor() const { return picked_; }

    QLabel* swatch() const { return Panel1; }
    QLineEdit* edit() const { return Edit1; }
    QPushButton* pickButton() const { return Button1; }
    QPushButton* defaultButton() const { return Button2; }

    // The preview colour of a colour text.
    static QColor previewColor(const QString& text);

private:
    void Edit1Change();
    void Button1Click();

    QLabel* Panel1;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;
    QColor picked_ = Qt::black;
};

} // namespace pf
