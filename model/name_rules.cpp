#include "model/name_rules.h"

#include "model/text_codec.h"

namespace pf {
namespace {

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Walks the bytes as Shift-JIS characters: false on a control character, a
// broken double-byte character or a byte that starts no character.
bool wellFormed(const Name& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (isLeadByte(b)) {
            if (i + 1 >= bytes.size() || !isTrailByte(static_cast<unsigned char>(bytes[i + 1])))
                return false;
            ++i;
        } else if (b < 0x20 || b == 0x7F || b == 0x80 || b == 0xA0 || b >= 0xFD) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string nameRefusal(const char* message, const QString& name) {
    constexpr int shown = 20;
    QString n = name;
    if (n.size() > shown)
        n = n.left(shown) + QStringLiteral("…");
    return QString::fromUtf8(message).arg(n).toStdString();
}

std::string checkMemberName(const Name& bytes) {
    const char* message = nullptr;
    if (bytes.find(',') != Name::npos)
        message = MsgNameComma;
    else if (bytes.size() > static_cast<std::size_t>(MaxNameBytes))
        message = MsgNameTooLong;
    else if (bytes.empty() || !wellFormed(bytes))
        message = MsgNameBadChar;
    if (!message)
        return {};
    return nameRefusal(message, decodeCp932(bytes));
}

NameEntry memberNameFromText(const QString& text) {
    if (text.contains(QLatin1Char(',')))
        return {{}, nameRefusal(MsgNameComma, text)};
    const std::optional<Name> bytes = encodeCp932(text);
    if (!bytes)
        return {{}, nameRefusal(MsgNameBadChar, text)};
    if (std::string error = checkMemberName(*bytes); !error.empty())
        return {{}, std::move(error)};
    return {*bytes, {}};
}

QString nearDuplicateKey(const QString& name) {
    QString key = name.normalized(QString::NormalizationForm_KC);
    key.removeIf([](QChar c) { return c.isSpace(); });
    return key;
}

int findNearDuplicate(const std::vector<Name>& names, const Name& bytes) {
    const QString key = nearDuplicateKey(decodeCp932(bytes));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] != bytes && nearDuplicateKey(decodeCp932(names[i])) == key)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace pf
