#pragma once

#include <string>
#include <vector>

// Median and range of a series of runs.
struct TFigures {
    double Median = 0;
    double Least = 0;
    double Most = 0;
};

// Throws on an empty series.
TFigures Summarise(std::vector<double> samples);

// "52.3 (48.1-60.2)", with `decimals` places.
std::string Describe(const TFigures& figures, int decimals);
