#include "samples.h"

#include <algorithm>
#include <cmath>

double Samples::quantile(double q) const
{
    if (m_values.empty())
        return 0.0;
    std::vector<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const double place = std::clamp(q, 0.0, 1.0) * double(sorted.size() - 1);
    const auto below = size_t(std::floor(place));
    const auto above = std::min(below + 1, sorted.size() - 1);
    const double share = place - double(below);
    return sorted[below] + (sorted[above] - sorted[below]) * share;
}
