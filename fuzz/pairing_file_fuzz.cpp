// libFuzzer target over the pairing data file reader. Besides not crashing,
// whatever the reader accepts must survive a save and reopen unchanged, so a
// damaged file opened and saved again cannot drift further on the next open.

#include "files/pairing_file.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pf::PairingFileContent first = pf::parsePairingFile(bytes);
    if (!first.ok())
        return 0;
    const QByteArray saved = pf::pairingFileBytes(first.roster, first.matches);
    const pf::PairingFileContent second = pf::parsePairingFile(saved);
    if (!second.ok() || second.roster != first.roster || second.matches != first.matches)
        std::abort();
    if (pf::pairingFileBytes(second.roster, second.matches) != saved)
        std::abort();
    return 0;
}
