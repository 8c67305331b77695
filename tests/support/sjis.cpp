#include "sjis.h"

#include "model/text_codec.h"

namespace pf::test {

Name sjis(const QString& text) {
    return encodeCp932(text).value();
}

QByteArray sjisBytes(const char* utf8) {
    const Name bytes = sjis(utf8);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace pf::test
