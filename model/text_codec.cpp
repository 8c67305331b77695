#include "model/text_codec.h"

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>

namespace pf {
namespace {

// Code page 932 is the program's file format, so the table is the program's
// own: a Qt built without ICU has no Shift-JIS codec at all, and ICU's differs
// from Windows in a few single bytes.
struct LeadRows {
    unsigned char lead;
    const char16_t* low;  // trail bytes 40-7E, 80-9E
    const char16_t* high; // trail bytes 9F-FC
};

constexpr LeadRows Cp932Rows[] = {
#include "model/cp932_table.inc"
};

constexpr int RowLength = 94;
constexpr char16_t Undefined = 0xFFFD;

constexpr bool rowsWellFormed() {
    for (const LeadRows& r : Cp932Rows) {
        for (const char16_t* row : {r.low, r.high}) {
            const std::u16string_view v(row);
            if (!v.empty() && v.size() != RowLength)
                return false;
        }
    }
    return true;
}
static_assert(rowsWellFormed(), "every row of cp932_table.inc holds 94 characters or none");

// Characters typed on Linux that code page 932 lacks, each with the twin
// Windows uses for it.
constexpr std::pair<char16_t, char16_t> Twins[] = {
    {0x301C, 0xFF5E}, // WAVE DASH -> FULLWIDTH TILDE
    {0x2212, 0xFF0D}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {0x2016, 0x2225}, // DOUBLE VERTICAL LINE -> PARALLEL TO
    {0x00A2, 0xFFE0}, // CENT SIGN
    {0x00A3, 0xFFE1}, // POUND SIGN
    {0x00AC, 0xFFE2}, // NOT SIGN
    {0x2014, 0x2015}, // EM DASH -> HORIZONTAL BAR
};

constexpr bool isLeadByte(unsigned b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isTrailByte(unsigned b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Position of a trail byte within its lead byte's 188 codes.
constexpr int trailIndex(unsigned t) {
    return static_cast<int>(t < 0x7F ? t - 0x40 : t - 0x41);
}

// Windows' value of a byte that starts no double-byte character. Unlike ICU,
// Windows keeps 0x1A, 0x1C and 0x7F as they are.
constexpr char16_t singleByte(unsigned b) {
    if (b < 0x80)
        return static_cast<char16_t>(b);
    if (b == 0x80)
        return 0x0080;
    if (b == 0xA0)
        return 0xF8F0;
    if (b >= 0xA1 && b <= 0xDF)
        return static_cast<char16_t>(0xFF61 + (b - 0xA1)); // half-width katakana
    if (b >= 0xFD)
        return static_cast<char16_t>(0xF8F1 + (b - 0xFD));
    return Undefined; // a lead byte
}

// Marks a lead byte in Cp932Tables::single; U+FFFF is no character.
constexpr char16_t LeadMark = 0xFFFF;

struct Cp932Tables {
    // Indexed by byte: its character on its own, LeadMark for a lead byte.
    std::array<char16_t, 0x100> single{};
    // Indexed by lead << 8 | trail: the character, Undefined for an unassigned
    // code, 0 where the second byte is no trail byte (or the first no lead).
    std::array<char16_t, 0x10000> decode{};
    // Indexed by UTF-16 code unit: the single byte, or lead << 8 | trail;
    // 0 where the character has no code (U+0000 itself is the byte 0).
    std::array<std::uint16_t, 0x10000> encode{};
};

Cp932Tables buildTables() {
    Cp932Tables t;
    for (unsigned b = 0; b < 0x100; ++b)
        t.single[b] = isLeadByte(b) ? LeadMark : singleByte(b);
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (isTrailByte(trail))
                t.decode[lead << 8 | trail] = Undefined;
        }
    }
    for (const LeadRows& r : Cp932Rows) {
        const std::u16string_view low(r.low), high(r.high);
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const int i = trailIndex(trail);
            const std::u16string_view& row = i < RowLength ? low : high;
            if (!row.empty())
                t.decode[r.lead << 8 | trail] = row[static_cast<std::size_t>(i % RowLength)];
        }
    }
    // The user-defined area F040-F9FC maps in order onto U+E000-U+E757.
    for (unsigned lead = 0xF0; lead <= 0xF9; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (isTrailByte(trail))
                t.decode[lead << 8 | trail] =
                    static_cast<char16_t>(0xE000 + 188 * (lead - 0xF0) + trailIndex(trail));
        }
    }

    // A character with several codes gets the one Windows gives: JIS X 0208,
    // then NEC row 13, then the IBM rows FA-FC. The NEC-selected rows ED-EE
    // duplicate the IBM rows and are never written.
    const auto prefer = [&t](unsigned first, unsigned last) {
        for (unsigned lead = first; lead <= last; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const char16_t c = t.decode[lead << 8 | trail];
                if (isTrailByte(trail) && c != Undefined && t.encode[c] == 0)
                    t.encode[c] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
    };
    prefer(0x81, 0x84);
    prefer(0x88, 0x9F);
    prefer(0xE0, 0xEA);
    prefer(0x87, 0x87);
    prefer(0xF0, 0xF9);
    prefer(0xFA, 0xFC);
    for (unsigned b = 0; b < 0x100; ++b) {
        if (!isLeadByte(b))
            t.encode[singleByte(b)] = static_cast<std::uint16_t>(b);
    }
    for (const auto& [typed, twin] : Twins)
        t.encode[typed] = t.encode[twin];
    return t;
}

const Cp932Tables& tables() {
    static const Cp932Tables t = buildTables();
    return t;
}

QString decode(const char* data, std::size_t size) {
    const Cp932Tables& t = tables();
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    QString out(static_cast<qsizetype>(size), Qt::Uninitialized);
    auto* o = reinterpret_cast<char16_t*>(out.data());
    char16_t* const start = o;
    for (std::size_t i = 0; i < size;) {
        const unsigned b = in[i];
        const char16_t single = t.single[b];
        if (single != LeadMark) {
            *o++ = single;
            ++i;
            continue;
        }
        // A lead byte followed by a byte that cannot be a trail byte (below 0x40:
        // controls, space, digits, the comma and the line end; 0x7F; 0xFD-0xFF)
        // or by nothing shows as U+FFFD on its own, and the next byte is decoded
        // by itself, so a broken name never swallows the separator after it. A
        // trail byte on an unassigned code makes one U+FFFD of the pair, as
        // Windows does; ASCII letters and '@' are trail bytes and go with it.
        const char16_t c = i + 1 < size ? t.decode[b << 8 | in[i + 1]] : 0;
        if (c != 0) {
            *o++ = c;
            i += 2;
        } else {
            *o++ = Undefined;
            ++i;
        }
    }
    out.truncate(o - start);
    return out;
}

} // namespace

QString mapToCp932Twins(const QString& text) {
    QString out = text;
    for (QChar& ch : out) {
        for (const auto& [typed, twin] : Twins) {
            if (ch.unicode() == typed) {
                ch = QChar(twin);
                break;
            }
        }
    }
    return out;
}

std::optional<Name> encodeCp932(const QString& text) {
    // The table maps each twin-mapped character to its twin's code, and every
    // other character to the one code that decodes back to it.
    const Cp932Tables& t = tables();
    Name out(static_cast<std::size_t>(text.size()) * 2, '\0');
    char* o = out.data();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const std::uint16_t code = t.encode[c];
        if (code == 0 && c != 0)
            return std::nullopt; // no code, or half of a surrogate pair
        if (code > 0xFF)
            *o++ = static_cast<char>(code >> 8);
        *o++ = static_cast<char>(code & 0xFF);
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
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
    return decode(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString decodeCp932(const Name& bytes) {
    return decode(bytes.data(), bytes.size());
}

} // namespace pf
