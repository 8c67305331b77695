#!/usr/bin/env python3
"""Writes model/cp932_table.inc, the program's code page 932 (Windows Shift-JIS)
double-byte table, and prints the checksums that tests/model/cp932_test.cpp holds.

Run by hand from the repository root whenever the table's rules change:

    python3 scripts/make-cp932-table.py            # rewrite model/cp932_table.inc
    python3 scripts/make-cp932-table.py --check    # only compare, exit 1 on a difference

The build never runs it. It needs nothing but Python 3.8 or later, whose own
"cp932" decoder carries Windows' table: JIS X 0208, the NEC row 13 characters,
the NEC-selected (ED-EE) and IBM (FA-FC) extensions, the user-defined area
F040-F9FC as U+E000-U+E757, and the single bytes 0x80, 0xA0, 0xFD-0xFF as
U+0080, U+F8F0, U+F8F1-U+F8F3. The script checks each of those against the rule
it expects, so an older Python that lacks one stops here rather than writing a
short table.

Only the decoding half comes from Python. Its encoder prefers the NEC-selected
rows (U+2170 -> EEEF) where Windows gives the IBM code (FA40), so the encoding
preference is computed here from the decoded table instead, in Windows' order:
JIS X 0208 rows, then NEC row 13, then the IBM rows FA-FC; ED-EE never. The C++
side builds its encoder with the same order; the encode checksum ties both.
"""

import argparse
import pathlib
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "model" / "cp932_table.inc"

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = [t for t in range(0x40, 0xFD) if t != 0x7F]  # 188 per lead byte
USER_LEADS = range(0xF0, 0xFA)  # the user-defined area, decoded by rule
UNDEFINED = 0xFFFD

# Encoding preference over lead bytes; the first code met wins.
PREFERENCE = (
    list(range(0x81, 0x85)) + list(range(0x88, 0xA0)) + list(range(0xE0, 0xEB))  # JIS X 0208
    + [0x87]  # NEC row 13
    + list(USER_LEADS)  # user-defined area (no twins)
    + [0xFA, 0xFB, 0xFC]  # IBM extensions
)


def single_byte(b):
    """Windows' value of a byte that starts no double-byte character."""
    if b < 0x80:
        return b
    if b == 0x80:
        return 0x80
    if b == 0xA0:
        return 0xF8F0
    if 0xA1 <= b <= 0xDF:
        return 0xFF61 + b - 0xA1
    if b >= 0xFD:
        return 0xF8F1 + b - 0xFD
    return None  # a lead byte


def pair(lead, trail):
    """Windows' value of a lead byte with a valid trail byte, or UNDEFINED."""
    if lead in USER_LEADS:
        return 0xE000 + 188 * (lead - 0xF0) + TRAILS.index(trail)
    try:
        text = bytes([lead, trail]).decode("cp932")
    except UnicodeDecodeError:
        return UNDEFINED
    return ord(text) if len(text) == 1 else UNDEFINED


def check_python_agrees():
    for b in range(256):
        expected = single_byte(b)
        if expected is None:
            continue
        got = bytes([b]).decode("cp932", "replace")
        if got != chr(expected):
            sys.exit(f"this Python decodes byte {b:02X} as {got!r}, Windows as U+{expected:04X}")
    for lead in USER_LEADS:
        for trail in TRAILS:
            got = bytes([lead, trail]).decode("cp932", "replace")
            if got != chr(pair(lead, trail)):
                sys.exit(f"this Python lacks the user-defined area ({lead:02X}{trail:02X})")


def decode_table():
    return {(lead, trail): pair(lead, trail) for lead in LEADS for trail in TRAILS}


def encode_table(table):
    encode = {}
    for lead in PREFERENCE:
        for trail in TRAILS:
            u = table[(lead, trail)]
            if u != UNDEFINED and u not in encode:
                encode[u] = (lead << 8) | trail
    for b in range(256):
        u = single_byte(b)
        if u is not None:
            encode.setdefault(u, b)
    return encode


def decoded(data):
    """The program's decoding of `data`, as UTF-16 code units (see text_codec.cpp)."""
    table = decode_table.cache
    out, i = [], 0
    while i < len(data):
        b = data[i]
        u = single_byte(b)
        if u is not None:
            out.append(u)
            i += 1
        elif i + 1 < len(data) and data[i + 1] in TRAILS:
            out.append(table[(b, data[i + 1])])
            i += 2
        else:
            out.append(UNDEFINED)  # the next byte is decoded on its own
            i += 1
    return out


def fnv1a(units, h=0xCBF29CE484222325):
    for u in units:
        h = ((h ^ u) * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return h


# The twins that encodeCp932 substitutes before encoding (mapToCp932Twins).
TWINS = {0x301C: 0xFF5E, 0x2212: 0xFF0D, 0x2016: 0x2225, 0x00A2: 0xFFE0, 0x00A3: 0xFFE1,
         0x00AC: 0xFFE2, 0x2014: 0x2015}


def checksums(table, encode):
    h = 0xCBF29CE484222325
    for b in range(256):
        h = fnv1a(decoded(bytes([b])), h)
    for code in range(0x10000):
        h = fnv1a(decoded(bytes([code >> 8, code & 0xFF])), h)
    e = 0xCBF29CE484222325
    for u in range(0x10000):
        code = encode.get(TWINS.get(u, u), 0) if not 0xD800 <= u <= 0xDFFF else 0
        e = fnv1a([code], e)
    return h, e


def escaped(u):
    if u == UNDEFINED:
        return "\N{REPLACEMENT CHARACTER}"
    if unicodedata.category(chr(u))[0] in "CZM":
        return f"\\u{u:04X}"
    return chr(u)


def render(table):
    lines = [
        "// Generated by scripts/make-cp932-table.py from Windows' code page 932; do not edit.",
        "// Each lead byte holds two rows of 94 characters: trail bytes 40-7E and 80-9E, then",
        "// 9F-FC. \N{REPLACEMENT CHARACTER} marks an undefined code; u\"\" a row with none defined. Lead bytes",
        "// missing here define nothing; the user-defined area F0-F9 is decoded by rule.",
        "// clang-format off",
    ]
    for lead in LEADS:
        if lead in USER_LEADS:
            continue
        values = [table[(lead, t)] for t in TRAILS]
        if all(v == UNDEFINED for v in values):
            continue
        rows = []
        for half in (values[:94], values[94:]):
            if all(v == UNDEFINED for v in half):
                rows.append('u""')
            else:
                rows.append('u"' + "".join(escaped(v) for v in half) + '"')
        lines.append(f"{{0x{lead:02X},")
        lines.append(f" {rows[0]},")
        lines.append(f" {rows[1]}}},")
    lines.append("// clang-format on")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true", help="compare only")
    args = parser.parse_args()

    check_python_agrees()
    table = decode_table()
    decode_table.cache = table
    encode = encode_table(table)

    codes = [c for c, u in table.items() if u != UNDEFINED]
    chars = {}
    for c in codes:
        chars.setdefault(table[c], []).append(c)
    shared = sum(1 for v in chars.values() if len(v) > 1)
    decode_sum, encode_sum = checksums(table, encode)
    print(f"double-byte codes decoded: {len(codes)}")
    print(f"distinct characters:       {len(chars)}")
    print(f"with more than one code:   {shared}")
    print(f"decode checksum:           0x{decode_sum:016X}")
    print(f"encode checksum:           0x{encode_sum:016X}")

    text = render(table)
    if args.check:
        if OUT.read_text(encoding="utf-8") != text:
            sys.exit(f"{OUT.relative_to(ROOT)} differs from what this script writes")
        print(f"{OUT.relative_to(ROOT)} is up to date")
    else:
        OUT.write_text(text, encoding="utf-8")
        print(f"wrote {OUT.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
