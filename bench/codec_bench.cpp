// Shift-JIS conversion speed. Run: build/release/bench/pairforge-codec-bench
//
// Decodes and encodes 1 MB of member names as the exports lay them out (names
// separated by commas, CR LF after every four), through the program's own code
// page 932 table and, where Qt has ICU, through its "windows-31j" codec for
// comparison. The ICU figures with the round-trip check are what the program
// paid per name before it had its own table.

#include "model/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype OneMegabyte = 1 << 20;

const QByteArray& japaneseNames() {
    static const QByteArray bytes = [] {
        const char* const names[] = {
            "山田 太郎", "佐藤 花子", "鈴木 一郎",   "高橋 美咲", "田中 健太",   "伊藤 さくら",
            "渡辺 翔",   "中村 ゆい", "小林 ﾀﾛｳ",    "加藤 誠",   "吉田 真由美", "山本 大輔",
            "松本 彩",   "井上 拓海", "木村 ちひろ", "林 悠斗",   "斎藤 恵",     "清水 光",
            "山口 陽菜", "森 蓮",     "池田 ゆうき", "橋本 髙志", "阿部 凜",     "石川 ﾊﾅｺ",
        };
        QByteArray out;
        int column = 0;
        while (out.size() < OneMegabyte) {
            for (const char* name : names) {
                const pf::Name n = pf::encodeCp932(QString::fromUtf8(name)).value();
                out.append(n.data(), static_cast<qsizetype>(n.size()));
                out.append(++column % 4 == 0 ? "\r\n" : ",");
            }
        }
        out.truncate(OneMegabyte);
        // Never end inside a double-byte character.
        while (!out.endsWith("\r\n"))
            out.chop(1);
        return out;
    }();
    return bytes;
}

const QString& japaneseText() {
    static const QString text = pf::decodeCp932(japaneseNames());
    return text;
}

bool icuPresent(benchmark::State& state) {
    if (QStringDecoder("windows-31j").isValid())
        return true;
    state.SkipWithError("this Qt has no ICU \"windows-31j\" codec");
    return false;
}

void BM_DecodeProgram(benchmark::State& state) {
    const QByteArray& bytes = japaneseNames();
    for (auto _ : state)
        benchmark::DoNotOptimize(pf::decodeCp932(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeProgram)->Unit(benchmark::kMicrosecond);

void BM_DecodeIcu(benchmark::State& state) {
    if (!icuPresent(state))
        return;
    const QByteArray& bytes = japaneseNames();
    for (auto _ : state) {
        QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
        benchmark::DoNotOptimize(QString(decoder.decode(bytes)));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeIcu)->Unit(benchmark::kMicrosecond);

void BM_EncodeProgram(benchmark::State& state) {
    const QString& text = japaneseText();
    for (auto _ : state)
        benchmark::DoNotOptimize(pf::encodeCp932(text));
    state.SetBytesProcessed(state.iterations() * japaneseNames().size());
}
BENCHMARK(BM_EncodeProgram)->Unit(benchmark::kMicrosecond);

void BM_EncodeIcu(benchmark::State& state) {
    if (!icuPresent(state))
        return;
    const QString& text = japaneseText();
    for (auto _ : state) {
        QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
        benchmark::DoNotOptimize(QByteArray(encoder.encode(text)));
    }
    state.SetBytesProcessed(state.iterations() * japaneseNames().size());
}
BENCHMARK(BM_EncodeIcu)->Unit(benchmark::kMicrosecond);

// Encoding as the program did through ICU: encode, then decode again to refuse
// ICU's one-way mappings.
void BM_EncodeIcuWithRoundTripCheck(benchmark::State& state) {
    if (!icuPresent(state))
        return;
    const QString& text = japaneseText();
    for (auto _ : state) {
        QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(text);
        QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
        benchmark::DoNotOptimize(QString(decoder.decode(bytes)) == text);
    }
    state.SetBytesProcessed(state.iterations() * japaneseNames().size());
}
BENCHMARK(BM_EncodeIcuWithRoundTripCheck)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
