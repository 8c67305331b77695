#pragma once
// What the HTML page lists and its four colours, as chosen in the HTML output
// options dialog and kept for the run.

#include <string>

namespace pf {

enum class RangeMode { All, WithResults, Range };

struct OutputRange {
    RangeMode mode = RangeMode::All;
    int from = 1; // 1 … 120, used in RangeMode::Range
    int to = 120;
};

inline constexpr char DefaultPageColor[] = "99CCFF";
inline constexpr char DefaultLineColor[] = "3399FF";
inline constexpr char DefaultTitleColor[] = "66CCFF";
inline constexpr char DefaultDataColor[] = "FFFFCC";

struct HtmlOptions {
    OutputRange range;
    // Used after "#" exactly as typed (ASCII).
    std::string pageColor = DefaultPageColor;
    std::string lineColor = DefaultLineColor;
    std::string titleColor = DefaultTitleColor;
    std::string dataColor = DefaultDataColor;
};

} // namespace pf
