#include "Figures.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

TFigures Summarise(std::vector<double> samples)
{
    if (samples.empty())
        throw std::invalid_argument("no runs to summarise");
    std::ranges::sort(samples);
    const size_t middle = samples.size() / 2;
    const double median = samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    return {median, samples.front(), samples.back()};
}

std::string Describe(const TFigures& figures, int decimals)
{
    char text[80];
    std::snprintf(text, sizeof text, "%.*f (%.*f-%.*f)", decimals, figures.Median, decimals, figures.Least, decimals,
                  figures.Most);
    return text;
}
