// sum, count, average, min, max, median, mode, stddev, stddevs.
#include <cmath>

#include "functions/double/MXDoubleThemes.h"
#include "functions/double/MXStatisticsSupport.h"

namespace detail {
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

// Every argument is evaluated once; the mean and the squared deviations use the same values,
// so nested deviations cost linear work and random arguments stay consistent.
template <MXBuiltinName Name, size_t Correction>
MXExpressionPtr deviationBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                                 const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 2, MXFunctionEvaluator::kUnlimited,
                                                 error)) {
        return nullptr;
    }
    const std::optional<MXNumbers> values = evaluateArguments(library, arguments, substitutions, error);
    if (!values) return nullptr;
    const double mean = averageOf(*values);
    double squares = 0;
    for (const MXNumber& value : *values) squares += (mean - value.doubleValue()) * (mean - value.doubleValue());
    return doubleResult(std::sqrt(squares / static_cast<double>(arguments.size() - Correction)));
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
        {u"stddev", &deviationBuiltin<u"stddev", 0>},
        {u"stddevs", &deviationBuiltin<u"stddevs", 1>},
    };
}

}  // namespace detail
