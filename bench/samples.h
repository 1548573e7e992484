#pragma once

#include <vector>

// Repeated measurements of one figure. The machine is shared, so single runs say little:
// the median is the figure reported, the quartiles show how noisy the runs were.
class Samples
{
public:
    void add(double value) { m_values.push_back(value); }
    int count() const { return int(m_values.size()); }

    // The value below which the share q (0..1) of the samples lies, interpolated between
    // neighbours; 0 when there are no samples.
    double quantile(double q) const;
    double median() const { return quantile(0.5); }
    double min() const { return quantile(0.0); }
    double max() const { return quantile(1.0); }

private:
    std::vector<double> m_values;
};
