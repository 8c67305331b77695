#pragma once
// メンバー情報: each candidate's gender, level, fixed partner and the members
// never to share a match with, edited in one table and kept in the facts file
// beside the candidate list.
//
// The main window's メンバー情報 command runs it with
//
//     dialog.load(selection.candidates(), factsFilePathBeside(selection.candidateFileName()));
//     runModal(dialog);
//
// load() says through the prompts what it could not read: a facts file that
// cannot be read at all leaves the dialog showing it empty and unable to save
// (saving would replace the file); unreadable lines are kept as they are.
// OK writes the file and closes; when the write fails it says so and stays
// open with the edits. キャンセル leaves the file untouched. A fixed partner is
// mutual, and so is keeping two members apart: setting one side sets the other.

#include "members/member_facts.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace pf {

class MemberFactsDialog : public QDialog {
    Q_OBJECT
public:
    explicit MemberFactsDialog(QWidget* parent = nullptr);

    void load(const std::vector<Name>& candidates, const QString& factsPath);

    // The rows as edited, those of members not on the list and unread lines
    // included, in the order they will be written.
    const std::vector<MemberFacts>& rows() const { return rows_; }

    QTableWidget* table() const { return table_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    // The cells of row `row` (a candidate), for the tests and the keyboard.
    QComboBox* genderBox(int row) const;
    QComboBox* levelBox(int row) const;
    QComboBox* partnerBox(int row) const;
    QToolButton* keptApartButton(int row) const;
    // What the kept-apart button's list does, one name at a time.
    void setKeptApart(int row, int other, bool apart);

    void accept() override;

private:
    enum Column { NameColumn, GenderColumn, LevelColumn, PartnerColumn, KeptApartColumn };

    void fillRow(int row);
    void showRow(int row);
    void genderChosen(int row, int index);
    void levelChosen(int row, int index);
    void partnerChosen(int row, int index);
    void openKeptApartList(int row);
    MemberFacts& factsAt(int row);

    QTableWidget* table_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    std::vector<Name> candidates_;
    std::vector<MemberFacts> rows_;
    QString path_;
    bool updating_ = false; // cells being set from the rows, not by the organiser
};

} // namespace pf
