#pragma once
// The HTML output options dialog: which matches the page lists and its four
// colours.
//
// Created once at start-up and kept, so the choices carry over from one
// export to the next within the run (they are not stored between runs).
// HTMLH1Click runs it through the modal seam before asking for the file:
//
//     if (runModal(*windows_.htmlOptions) != QDialog::Accepted)
//         return;                              // キャンセル: no export
//     …
//     htmlPageBytes(…, windows_.htmlOptions->options());
//
// Either way the dialog keeps what the organiser set in it.

#include "files/html_options.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pf {

class TFrame11;
class UpDown;

class THtmlSaveCustom : public QDialog {
    Q_OBJECT
public:
    explicit THtmlSaveCustom(QWidget* parent = nullptr);

    // Shows the dialog modally; true when it was closed with OK.
    bool run();

    // The choices as they stand now: the range from the radio buttons and
    // the two numbers, the colours exactly as typed (Shift-JIS bytes).
    HtmlOptions options() const;

    QRadioButton* allButton() const { return RadioButton1; }
    QRadioButton* resultsButton() const { return RadioButton2; }
    QRadioButton* rangeButton() const { return RadioButton3; }
    QLineEdit* fromEdit() const { return Edit1; }
    QLineEdit* toEdit() const { return Edit2; }
    UpDown* fromUpDown() const { return UpDown1; }
    UpDown* toUpDown() const { return UpDown2; }
    TFrame11* pageFrame() const { return Frame111; }
    TFrame11* lineFrame() const { return Frame112; }
    TFrame11* titleFrame() const { return Frame113; }
    TFrame11* dataFrame() const { return Frame114; }
    QPushButton* okButton() const { return OKBtn; }
    QPushButton* cancelButton() const { return CancelBtn; }

private:
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void Edit1Change();
    void Edit2Change();
    void Frame111Button2Click();
    void Frame112Button2Click();
    void Frame113Button2Click();
    void Frame114Button2Click();
    void enableRange(bool on);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    UpDown* UpDown1;
    UpDown* UpDown2;
    QLabel* Label1;
    TFrame11* Frame111;
    TFrame11* Frame112;
    TFrame11* Frame113;
    TFrame11* Frame114;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace pf
