#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fenwake {

// What a chart over time shows: moments (the entries, which can be chosen), and panels one
// above the other that share the time axis, each with a scale of its own: the entries' values
// as points, lines through them (a trend), named bands of values behind, and levels across
// (a goal). Adding a line or a level is adding an element here, not changing the chart.
//
// Times are wall-clock milliseconds (the moment in UTC plus the offset its clock had), so that
// an entry made at 23:25 on 8 December sits before the tick of 9 December wherever the chart
// is looked at.
struct ChartData {
    struct Line {
        std::string name;
        std::vector<std::int64_t> times; // wall-clock, oldest first
        std::vector<double> values;
        std::vector<std::size_t> breaks; // indices where the line starts afresh
    };
    struct Band {
        double from = 0; // the band holds values from `from` up to `to`
        double to = 0;
        std::string name;
    };
    struct Level {
        double value = 0;
        std::string name;
    };
    struct Panel {
        std::string name;           // with its unit, as the panel's title says it
        int decimals = 1;           // of the scale's labels
        std::vector<double> points; // one for each moment; NaN where the entry gives none
        std::vector<Line> lines;
        std::vector<Band> bands; // lowest first
        std::vector<Level> levels;
    };

    std::vector<std::int64_t> moments; // wall-clock, oldest first: point i is moment i
    std::vector<Panel> panels;
    // What a screen reader says of the chart: its name, and the change in words.
    std::string name;
    std::string description;
};

} // namespace fenwake
