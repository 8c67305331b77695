#pragma once
// What each reader must do with any bytes at all: not crash, and hand on only
// what survives everything that consumes it. Each check returns false when a
// promise is broken; the fuzz targets abort on that, the corpus replay test
// fails with the input's name.

#include <QByteArray>

namespace pf::fuzz {

// The data file, then the standings under both rules, the CSV in both
// layouts and the HTML page with a range and colours taken from the input;
// an accepted file survives a save and reopen unchanged.
bool checkPairingFile(const QByteArray& bytes);
// The candidate editor's clean-up: no blank or repeated line is left, a
// second clean-up changes nothing, and the file written reads back as the
// same names.
bool checkCandidateText(const QByteArray& bytes);
// The members file of the command-line tool: a roster the checks accept
// gives a schedule of those members only, with no one twice in a round.
bool checkMembersFile(const QByteArray& bytes);
// A setting stored as text: an accepted value is written back as text that
// reads as the same value.
bool checkSettingText(const QByteArray& bytes);
// The recovery file: an accepted one is written back byte for byte.
bool checkRecoveryFile(const QByteArray& bytes);

} // namespace pf::fuzz
