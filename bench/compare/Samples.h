#pragma once

#include <algorithm>
#include <vector>

// The figures of several rounds: the median stands for them, the range says how much they
// disagree.
struct Summary {
    double median = 0;
    double low = 0;
    double high = 0;
    double upperQuartile = 0; // a quarter of the values are at or above it
    // The range as a share of the median, in percent.
    double SpreadPercent() const { return median > 0 ? 100.0 * (high - low) / median : 0; }
};

inline Summary Summarise(std::vector<double> values) {
    Summary summary;
    if (values.empty())
        return summary;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    summary.median =
        values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    summary.upperQuartile = values[(3 * (values.size() - 1) + 3) / 4];
    summary.low = values.front();
    summary.high = values.back();
    return summary;
}
