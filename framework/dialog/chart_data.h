#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fenwake {

// What a chart over time shows: points at moments, each with a value of two series, the first
// drawn over named bands of its values. Point i is row i of the table the chart goes with.
struct ChartData {
    struct Series {
        std::string name; // with its unit, as the legend and the axis say it
        std::vector<double> values;
        int decimals = 1; // of the axis' labels
    };
    struct Band {
        double from = 0; // the band holds values from `from` up to `to`
        double to = 0;
        std::string name;
    };

    std::vector<std::int64_t> times; // milliseconds since 1970, UTC
    Series first;
    Series second;
    std::vector<Band> bands; // of the first series, lowest first
    // What a screen reader says of the chart: its name, and the change in words.
    std::string name;
    std::string description;
};

} // namespace fenwake
