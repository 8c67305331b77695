// Putting back a pairing from its recovery copy.

#include "app/main_window.h"

#include "files/recovery_file.h"

namespace pf {

void TForm1::restoreRecovered(const RecoveryContent& content) {
    // Still unsaved: it is only in the copy, and the confirmations must say so.
    installPairing({content.roster, content.matches, content.courts, content.fileName, false});
}

} // namespace pf
