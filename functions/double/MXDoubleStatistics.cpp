// sum, count, average, min, max, median, mode, stddev, stddevs.
#include <cmath>

#include "functions/double/MXDoubleThemes.h"
#include "functions/double/MXStatisticsSupport.h"

namespace mxcalc::detail {
namespace {

double sumOf(const MXNumbers& values) {
    double sum = 0.0;
    for (const MXNumber& value : values) sum += value.doubleValue();
    return sum;
}

double averageOf(const MXNumbers& values) { return sumOf(values) / static_cast<double>(values.size()); }

// The first value that no later value beats; `order` is -1 for the smallest, 1 for the largest.
MXNumber extremeOf(const MXNumbers& values, int order) {
    const MXNumber* candidate = &values.front();
    for (const MXNumber& value : values) {
        if (value.compare(*candidate) == order) candidate = &value;
    }
    return *candidate;
}

MXNumber medianOf(const MXNumbers& values) {
    const MXNumbers sorted = sortedAscending(values);
    const size_t n = sorted.size();
    if (n % 2 == 1) return sorted[n / 2];
    return MXNumber((sorted[(n - 1) / 2].doubleValue() + sorted[n / 2].doubleValue()) * 0.5);
}

std::optional<MXNumber> modeOf(const MXNumbers& values) {
    const MXNumber* mode = uniqueMostFrequent(values);
    if (mode == nullptr) return std::nullopt;
    return *mode;
}

MXExpressionPtr countBuiltin(MXFunctionEvaluator&, const MXBuiltinArguments& arguments, const MXSubstitutions*,
                             MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"count", arguments.size(), 1, MXFunctionEvaluator::kUnlimited,
                                                 error)) {
        return nullptr;
    }
    return numberResult(MXNumber::numberWithDecimal(MXDecimalRecordFromUInt64(arguments.size())));
}

// The standard deviation of the population (correction 0) or of a sample (correction 1),
// from values evaluated once: nested deviations cost linear work.
double deviationOf(const MXNumbers& values, size_t correction) {
    const double mean = averageOf(values);
    double squares = 0;
    for (const MXNumber& value : values) squares += (mean - value.doubleValue()) * (mean - value.doubleValue());
    return std::sqrt(squares / static_cast<double>(values.size() - correction));
}

}  // namespace

MXBuiltinEntries statisticsBuiltins() {
    return {
        atLeastEntry<u"sum", 1, [](const MXNumbers& values) { return MXNumber(sumOf(values)); }>(),
        atLeastEntry<u"average", 2, [](const MXNumbers& values) { return MXNumber(averageOf(values)); }>(),
        atLeastEntry<u"min", 2, [](const MXNumbers& values) { return extremeOf(values, -1); }>(),
        atLeastEntry<u"max", 2, [](const MXNumbers& values) { return extremeOf(values, 1); }>(),
        atLeastEntry<u"median", 2, [](const MXNumbers& values) { return medianOf(values); }>(),
        atLeastEntry<u"mode", 1, [](const MXNumbers& values) { return modeOf(values); }>(),
        {u"count", &countBuiltin},
        atLeastEntry<u"stddev", 2, [](const MXNumbers& values) { return MXNumber(deviationOf(values, 0)); }>(),
        atLeastEntry<u"stddevs", 2, [](const MXNumbers& values) { return MXNumber(deviationOf(values, 1)); }>(),
    };
}

}  // namespace mxcalc::detail
