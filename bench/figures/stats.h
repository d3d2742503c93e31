// Median and 99th percentile of a run of measurements.
#pragma once

#include <algorithm>
#include <vector>

namespace figures {

struct Spread {
  double median = 0, p99 = 0;
};

inline Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  const auto at = [&values](double share) {
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
  };
  return {at(0.5), at(0.99)};
}

}  // namespace figures
