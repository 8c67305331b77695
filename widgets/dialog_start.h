#pragma once
// Where a file dialog starts. The dialog lists the folder it opens in at once,
// so it must be a folder that exists and holds ordinary files: a kernel
// folder such as /proc holds entries that never finish reading.

#include <QString>

namespace pf {

// True for folders of the kernel's own file systems (proc, sysfs, devices…),
// and for anything that is no existing folder.
bool isPseudoFolder(const QString& folder);

// The path to propose for `proposed` (a file or a folder, possibly gone): the
// same file name in the nearest existing ancestor folder, or in `fallback`
// when that folder is a pseudo folder. An empty proposal gives `fallback`.
QString dialogStartPath(const QString& proposed, const QString& fallback);

// The organiser's documents folder, or the home folder when there is none.
QString defaultDialogFolder();

} // namespace pf
