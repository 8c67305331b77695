// The program's code page 932 table against Windows' (through the checksums
// scripts/make-cp932-table.py prints) and against ICU's "windows-31j".

#include "model/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

namespace pf {
namespace {

// Printed by scripts/make-cp932-table.py: every single byte and every pair of
// bytes decoded, and every UTF-16 code unit encoded, as Windows does.
constexpr std::uint64_t DecodeChecksum = 0x7B61B3A4CEB67C25;
constexpr std::uint64_t EncodeChecksum = 0x793B726E69777EAF;

constexpr std::uint64_t FnvOffset = 0xCBF29CE484222325;

std::uint64_t fnv1a(std::uint64_t h, unsigned value) {
    return (h ^ value) * 0x100000001B3;
}

QByteArray bytesOf(unsigned code, int size) {
    QByteArray b;
    if (size == 2)
        b += static_cast<char>(code >> 8);
    b += static_cast<char>(code & 0xFF);
    return b;
}

// The code `encoded` holds as a number (lead << 8 | trail), 0 for none.
unsigned codeOf(const std::optional<Name>& encoded) {
    unsigned code = 0;
    for (const char c : encoded.value_or(Name()))
        code = code << 8 | static_cast<unsigned char>(c);
    return code;
}

bool isLeadByte(unsigned b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isTrailByte(unsigned b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

TEST(Cp932Table, EveryByteAndPairDecodesAndEveryCharacterEncodesAsWindows) {
    std::uint64_t decodeSum = FnvOffset;
    for (unsigned b = 0; b < 0x100; ++b)
        for (const QChar c : decodeCp932(bytesOf(b, 1)))
            decodeSum = fnv1a(decodeSum, c.unicode());
    std::map<char16_t, std::vector<unsigned>> codesOf;
    for (unsigned code = 0; code < 0x10000; ++code) {
        const QString text = decodeCp932(bytesOf(code, 2));
        for (const QChar c : text)
            decodeSum = fnv1a(decodeSum, c.unicode());
        if (text.size() == 1 && text[0] != QChar(0xFFFD))
            codesOf[text[0].unicode()].push_back(code);
    }
    EXPECT_EQ(decodeSum, DecodeChecksum);

    std::size_t pairs = 0, shared = 0;
    for (const auto& [c, codes] : codesOf) {
        pairs += codes.size();
        shared += codes.size() > 1 ? 1 : 0;
    }
    EXPECT_EQ(pairs, 9604u);
    EXPECT_EQ(codesOf.size(), 9206u);
    EXPECT_EQ(shared, 396u);

    std::uint64_t encodeSum = FnvOffset;
    for (unsigned u = 0; u < 0x10000; ++u) {
        const QString c{QChar(char16_t(u))};
        const std::optional<Name> encoded = encodeCp932(c);
        const unsigned code = codeOf(encoded);
        encodeSum = fnv1a(encodeSum, code);
        if (encoded && mapToCp932Twins(c) == c) {
            EXPECT_EQ(decodeCp932(*encoded), c) << "U+" << std::hex << u;
        }
        if (codesOf.count(static_cast<char16_t>(u))) {
            EXPECT_TRUE(encoded) << "U+" << std::hex << u;
        }
        EXPECT_FALSE(code >= 0xED00 && code < 0xEF00) << "U+" << std::hex << u;
    }
    EXPECT_EQ(encodeSum, EncodeChecksum);
}

struct CodecRow {
    const char* label;
    QByteArray bytes;
    QString text;
    enum { Both, DecodeOnly, EncodeOnly } way;
};

QString u(std::initializer_list<char16_t> units) {
    QString s;
    for (const char16_t c : units)
        s += QChar(c);
    return s;
}

const CodecRow CodecRows[] = {
    // Characters with several codes get Windows' one.
    {"nearly equal: JIS X 0208 before NEC row 13", "\x81\xE0", u({0x2252}), CodecRow::Both},
    {"because: JIS X 0208 before NEC and IBM", "\x81\xE6", u({0x2235}), CodecRow::Both},
    {"fullwidth not sign: JIS X 0208 before IBM", "\x81\xCA", u({0xFFE2}), CodecRow::Both},
    {"roman numeral one: NEC row 13 before IBM", "\x87\x54", u({0x2160}), CodecRow::Both},
    {"small roman numeral one: IBM, not NEC-selected", "\xFA\x40", u({0x2170}), CodecRow::Both},
    {"IBM kanji: IBM, not NEC-selected", "\xFA\x5C", u({0x7E8A}), CodecRow::Both},
    {"NEC-selected code still decodes", "\xEE\xEF", u({0x2170}), CodecRow::DecodeOnly},
    {"NEC-selected kanji still decodes", "\xED\x40", u({0x7E8A}), CodecRow::DecodeOnly},
    {"NEC row 13 duplicate decodes", "\x87\x90", u({0x2252}), CodecRow::DecodeOnly},
    // Twins typed on Linux.
    {"wave dash", "\x81\x60", u({0x301C}), CodecRow::EncodeOnly},
    {"minus sign", "\x81\x7C", u({0x2212}), CodecRow::EncodeOnly},
    {"double vertical line", "\x81\x61", u({0x2016}), CodecRow::EncodeOnly},
    {"cent sign", "\x81\x91", u({0x00A2}), CodecRow::EncodeOnly},
    {"pound sign", "\x81\x92", u({0x00A3}), CodecRow::EncodeOnly},
    {"not sign", "\x81\xCA", u({0x00AC}), CodecRow::EncodeOnly},
    {"em dash", "\x81\x5C", u({0x2014}), CodecRow::EncodeOnly},
    // Single bytes as Windows has them.
    {"controls kept as they are", "\x1A\x1C\x7F", u({0x1A, 0x1C, 0x7F}), CodecRow::Both},
    {"0x80", "\x80", u({0x0080}), CodecRow::Both},
    {"0xA0", "\xA0", u({0xF8F0}), CodecRow::Both},
    {"0xFD-0xFF", "\xFD\xFE\xFF", u({0xF8F1, 0xF8F2, 0xF8F3}), CodecRow::Both},
    {"half-width katakana", "\xA1\xB1\xDF", u({0xFF61, 0xFF71, 0xFF9F}), CodecRow::Both},
    {"user-defined area", QByteArray("\xF0\x40\xF9\xFC"), u({0xE000, 0xE757}), CodecRow::Both},
    {"a name", "\x8E\x52\x93\x63 \xC0\xDB\xB3", QStringLiteral("山田 ﾀﾛｳ"), CodecRow::Both},
    // Bytes that are no character show as U+FFFD and hide nothing after them.
    {"unassigned code", "\x85\x40", u({0xFFFD}), CodecRow::DecodeOnly},
    {"unassigned code ending in a letter",
     "\x85"
     "AB",
     u({0xFFFD, 'B'}), CodecRow::DecodeOnly},
    {"unassigned IBM code", "\xFC\x4C", u({0xFFFD}), CodecRow::DecodeOnly},
    {"lone lead byte at the end", "A\x81", u({'A', 0xFFFD}), CodecRow::DecodeOnly},
    {"lead byte before a comma", "\x81,B", u({0xFFFD, ',', 'B'}), CodecRow::DecodeOnly},
    {"lead byte before CR LF", "\x82\r\n", u({0xFFFD, '\r', '\n'}), CodecRow::DecodeOnly},
    {"lead byte before 0x7F", "\x81\x7F", u({0xFFFD, 0x7F}), CodecRow::DecodeOnly},
    {"lead byte before 0xFD", "\x81\xFD", u({0xFFFD, 0xF8F1}), CodecRow::DecodeOnly},
    {"lead byte before a space", "\x81 \x82\xA0", u({0xFFFD, ' ', 0x3042}), CodecRow::DecodeOnly},
    {"NUL kept", QByteArray("a\0b", 3), u({'a', 0, 'b'}), CodecRow::Both},
};

class Cp932Codes : public testing::TestWithParam<CodecRow> {};

TEST_P(Cp932Codes, EncodeAndDecode) {
    const CodecRow& row = GetParam();
    if (row.way != CodecRow::EncodeOnly) {
        EXPECT_EQ(decodeCp932(row.bytes), row.text);
    }
    if (row.way != CodecRow::DecodeOnly) {
        EXPECT_EQ(encodeCp932(row.text), row.bytes.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Cp932Codes, testing::ValuesIn(CodecRows),
                         [](const testing::TestParamInfo<CodecRow>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.label))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

struct UnencodableRow {
    const char* label;
    QString text;
};

const UnencodableRow UnencodableRows[] = {
    {"yen sign", u({0x00A5})},
    {"overline", u({0x203E})},
    {"replacement character", u({0xFFFD})},
    {"emoji", QStringLiteral("😀")},
    {"lone high surrogate", u({0xD83D})},
    {"hangul in a name", QStringLiteral("山田한")},
};

TEST(Cp932Codes, CharactersWithoutACodeAreRefused) {
    for (const UnencodableRow& row : UnencodableRows)
        EXPECT_EQ(encodeCp932(row.text), std::nullopt) << row.label;
}

// Lists where ICU's "windows-31j" (Qt on Linux) decodes or encodes otherwise
// than the program, so that a change on either side shows.
TEST(Cp932VersusIcu, DiffersOnlyWhereWindowsDoes) {
    if (!QStringDecoder("windows-31j").isValid())
        GTEST_SKIP() << "this Qt has no ICU and so no \"windows-31j\" codec to compare with";
    const auto icuDecode = [](const QByteArray& b) {
        QStringDecoder d("windows-31j", QStringConverter::Flag::Stateless);
        return QString(d.decode(b));
    };
    std::vector<unsigned> decodeDiffs;
    for (unsigned b = 0; b < 0x100; ++b) {
        if (!isLeadByte(b) && icuDecode(bytesOf(b, 1)) != decodeCp932(bytesOf(b, 1)))
            decodeDiffs.push_back(b);
    }
    for (unsigned code = 0x8100; code < 0xFD00; ++code) {
        if (isLeadByte(code >> 8) && isTrailByte(code & 0xFF) &&
            icuDecode(bytesOf(code, 2)) != decodeCp932(bytesOf(code, 2)))
            decodeDiffs.push_back(code);
    }
    // ICU rotates 0x1A/0x1C/0x7F and has no mapping for 0x80, 0xA0, 0xFD-0xFF;
    // every double-byte code agrees.
    EXPECT_EQ(decodeDiffs, (std::vector<unsigned>{0x1A, 0x1C, 0x7F, 0x80, 0xA0, 0xFD, 0xFE, 0xFF}));

    std::vector<unsigned> encodeDiffs;
    for (unsigned c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString text{QChar(char16_t(c))};
        QStringEncoder e("windows-31j", QStringConverter::Flag::Stateless);
        const QByteArray icu = e.encode(text);
        const unsigned icuCode = e.hasError() ? 0 : codeOf(icu.toStdString());
        if (icuCode != codeOf(encodeCp932(text)))
            encodeDiffs.push_back(c);
    }
    // ICU rotates 0x1A/0x1C/0x7F, has no codes for U+0080 and U+F8F0-U+F8F3,
    // knows none of the twins, and writes U+F86F one way as 8782 (U+2116).
    EXPECT_EQ(encodeDiffs,
              (std::vector<unsigned>{0x1A, 0x1C, 0x7F, 0x80, 0xA2, 0xA3, 0xAC, 0x2014, 0x2016,
                                     0x2212, 0x301C, 0xF86F, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3}));
}

} // namespace
} // namespace pf
