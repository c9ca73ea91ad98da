// sum, count, average, min, max, median, mode, stddev, stddevs.
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "functions/double/MXDoubleThemes.h"

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

MXNumber medianOf(MXNumbers values) {
    std::stable_sort(values.begin(), values.end(),
                     [](const MXNumber& left, const MXNumber& right) { return left.compare(right) < 0; });
    const size_t n = values.size();
    if (n % 2 == 1) return values[n / 2];
    return MXNumber((values[(n - 1) / 2].doubleValue() + values[n / 2].doubleValue()) * 0.5);
}

struct NumberHash {
    size_t operator()(const MXNumber& number) const { return number.hash(); }
};

// The value that occurs most often, when it occurs at least twice and no other value as often.
std::optional<MXNumber> modeOf(const MXNumbers& values) {
    std::unordered_map<MXNumber, size_t, NumberHash> counts;
    for (const MXNumber& value : values) ++counts[value];
    const MXNumber* best = nullptr;
    size_t bestCount = 0;
    bool tied = false;
    for (const MXNumber& value : values) {
        const size_t count = counts[value];
        if (count > bestCount) {
            best = &value;
            bestCount = count;
            tied = false;
        } else if (count == bestCount && !value.isEqualToNumber(*best)) {
            tied = true;
        }
    }
    if (bestCount < 2 || tied) return std::nullopt;
    return *best;
}

MXExpressionPtr countBuiltin(MXFunctionEvaluator&, const MXBuiltinArguments& arguments, const MXSubstitutions*,
                             MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"count", arguments.size(), 1, MXFunctionEvaluator::kUnlimited,
                                                 error)) {
        return nullptr;
    }
    return numberResult(MXNumber::numberWithDecimal(MXDecimalRecordFromUInt64(arguments.size())));
}

// The mean is taken first; then every argument is evaluated again for the squared deviations.
template <MXBuiltinName Name, size_t Correction>
MXExpressionPtr deviationBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                                 const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 2, MXFunctionEvaluator::kUnlimited,
                                                 error)) {
        return nullptr;
    }
    const std::optional<MXNumbers> first = evaluateArguments(library, arguments, substitutions, error);
    if (!first) return nullptr;
    const double mean = averageOf(*first);
    const std::optional<MXNumbers> second = evaluateArguments(library, arguments, substitutions, error);
    if (!second) return nullptr;
    double squares = 0;
    for (const MXNumber& value : *second) squares += (mean - value.doubleValue()) * (mean - value.doubleValue());
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
