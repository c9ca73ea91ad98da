#include "functions/double/MXStatisticsSupport.h"

#include <algorithm>
#include <unordered_map>

namespace mxcalc::detail {
namespace {

struct NumberHash {
    size_t operator()(const MXNumber& number) const { return number.hash(); }
};

}  // namespace

MXNumbers sortedAscending(MXNumbers values) {
    std::stable_sort(values.begin(), values.end(),
                     [](const MXNumber& left, const MXNumber& right) { return left.compare(right) < 0; });
    return values;
}

const MXNumber* uniqueMostFrequent(const MXNumbers& values) {
    std::unordered_map<MXNumber, size_t, NumberHash> counts;
    for (const MXNumber& value : values) ++counts[value];
    const MXNumber* winner = nullptr;
    size_t winnerCount = 0;
    bool tied = false;
    for (const MXNumber& value : values) {
        const size_t count = counts[value];
        if (count > winnerCount) {
            winner = &value;
            winnerCount = count;
            tied = false;
        } else if (count == winnerCount && !value.isEqualToNumber(*winner)) {
            tied = true;
        }
    }
    return winnerCount < 2 || tied ? nullptr : winner;
}

}  // namespace mxcalc::detail
