// Putting back a pairing from its recovery copy.

#include "app/main_window.h"

#include "files/recovery_file.h"
#include "widgets/up_down.h"

#include <QLineEdit>
#include <QUndoStack>

namespace pf {

void TForm1::restoreRecovered(const RecoveryContent& content) {
    session_.Roster = content.roster;
    session_.Matches = content.matches;
    // The arrows step from what the edit shows; its change handler follows.
    Edit37->setText(QString::number(content.courts));
    EnterPairingOpenState();
    session_.PageTop = 0;
    session_.CourtCursor = 0;
    session_.PairingOpen = true;
    session_.FileName = content.fileName;
    // The copy is not what the file holds (if there is one): no undo can
    // bring the table back to a saved state.
    resetHistory(false);
    if (session_.FileName.empty())
        setWindowTitle(title_);
    else
        UpdateCaption();
    CountMembers();
    ShowPage();
    // Still unsaved: it is only in the copy, and the confirmations must say so.
    session_.markModified();
}

} // namespace pf
