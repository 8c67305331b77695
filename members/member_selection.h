#pragma once
// The member selection dialog: candidates on the left, today's members on the
// right, names moved between them with four arrow buttons, and a name that is
// no candidate typed in and added to the selection.

#include "model/session.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace pf {

class TDualListDlg : public QDialog {
    Q_OBJECT
public:
    // Forms the candidate file path from the current working directory and
    // loads the candidates from it (none when it is missing).
    explicit TDualListDlg(QWidget* parent = nullptr);
    ~TDualListDlg() override;

    const QString& candidateFileName() const { return candidateFileName_; }

    // The right-hand list, in its sorted order.
    std::vector<Name> selected() const;
    void setSelected(const std::vector<Name>& names);
    // The left-hand list, in its sorted order.
    std::vector<Name> candidates() const;
    // Replaces the whole candidate list (the candidate editor after saving).
    void replaceCandidates(const std::vector<Name>& names);

    // On every opening: selected names leave the candidates, and the state
    // that Cancel returns to is taken.
    void FormActivate();

public Q_SLOTS:
    void IncludeBtnClick();
    void ExcludeBtnClick();
    void IncAllBtnClick();
    void ExcAllBtnClick();
    void Button1Click();
    void CancelBtnClick();
    // OK: refused while more members are selected than the roster holds.
    void accept() override;
    // Cancel and Escape: every move since the opening is undone.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MoveSelected(QListWidget* from, QListWidget* to);
    static int GetFirstSelection(const QListWidget* list);
    void SetItem(QListWidget* list, int index);
    void SetButtons();
    // "選択 n人 / 100人" under the selected list, red above 100.
    void showSelectionCount();

    QString candidateFileName_;
    QListWidget* SrcList;
    QListWidget* DstList;
    QLabel* selectionCount_;
    QToolButton* IncludeBtn;
    QToolButton* IncAllBtn;
    QToolButton* ExcludeBtn;
    QToolButton* ExAllBtn;
    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    struct Snapshot {
        std::vector<Name> candidates;
        std::vector<Name> selected;
    } CandidateSnapshot;
    bool placed_ = false; // centred once, then left where it was moved
};

} // namespace pf
