#pragma once
// The About box: product name, version, and a button that opens the
// project's home page in the default browser.
//
// Usage by the main window (`N4Click`): construct once at start-up, exec()
// it and ignore the result.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace pf {

// The home page, both the button's caption and the address it opens.
inline constexpr char HomePageAddress[] = "https://pairforge.example.org/";

class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    // The product's version line, the one the club's organisers know the
    // program by; the build's own version is told by `pairforge-cli --version`.
    static QString versionLine();

    explicit TOKBottomDlg(QWidget* parent = nullptr);

    // Opens the home page; a failure is told in a message box and the box
    // stays open either way.
    void Button1Click();

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKBtn = nullptr;
};

} // namespace pf
