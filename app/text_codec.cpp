#include "app/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <map>
#include <mutex>
#include <string>

namespace pf {

QString mapToCp932Twins(const QString& text) {
    QString out = text;
    for (QChar& ch : out) {
        switch (ch.unicode()) {
        case 0x301C:
            ch = QChar(0xFF5E);
            break; // WAVE DASH -> FULLWIDTH TILDE
        case 0x2212:
            ch = QChar(0xFF0D);
            break; // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
        case 0x2016:
            ch = QChar(0x2225);
            break; // DOUBLE VERTICAL LINE -> PARALLEL TO
        case 0x00A2:
            ch = QChar(0xFFE0);
            break; // CENT SIGN
        case 0x00A3:
            ch = QChar(0xFFE1);
            break; // POUND SIGN
        case 0x00AC:
            ch = QChar(0xFFE2);
            break; // NOT SIGN
        case 0x2014:
            ch = QChar(0x2015);
            break; // EM DASH -> HORIZONTAL BAR
        default:
            break;
        }
    }
    return out;
}

std::optional<Name> encodeCp932(const QString& text) {
    const QString mapped = mapToCp932Twins(text);
    QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    const QByteArray bytes = encoder.encode(mapped);
    if (encoder.hasError())
        return std::nullopt;
    // ICU maps some characters one way only (best fit); a name must come back
    // as the same text, or the organiser would see another name than typed.
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    if (QString(decoder.decode(bytes)) != mapped)
        return std::nullopt;
    return Name(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

const Name& cp932Literal(const char* utf8) {
    static std::mutex guard;
    static std::map<std::string, Name, std::less<>> encoded;
    const std::lock_guard<std::mutex> lock(guard);
    auto it = encoded.find(std::string_view(utf8));
    if (it == encoded.end())
        it = encoded.emplace(utf8, encodeCp932(QString::fromUtf8(utf8)).value_or(Name())).first;
    return it->second;
}

QString decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QString decodeCp932(const Name& bytes) {
    return decodeCp932(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace pf
