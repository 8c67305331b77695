#pragma once
// The candidate list editor: the names of pairforge.txt one a line, cleaned
// and written back on saving, and handed to the member selection dialog.

#include <QByteArray>
#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace pf {

class TDualListDlg;

class TOKBottomDlg1 : public QDialog {
    Q_OBJECT
public:
    // The file is the one the selection dialog located at start-up.
    explicit TOKBottomDlg1(TDualListDlg& selection, QWidget* parent = nullptr);

    // On every opening: the text is reloaded from the file when it can be
    // read; otherwise the editor keeps what it held.
    void FormActivate();

public Q_SLOTS:
    void SaveBtnClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Selects the refused line and says why; nothing is written.
    void refuseLine(int line, const std::string& message);

    TDualListDlg& selection_;
    // The text as last read from or written to the file, CR LF line ends:
    // the lines left as they were are saved as these bytes.
    QByteArray loaded_;
    QPlainTextEdit* Memo1;
    QPushButton* SaveBtn;
    QPushButton* CancelBtn;
    bool placed_ = false; // centred once, then left where it was moved
};

} // namespace pf
