// sum, average, mode, median, stddev and stddevs on decimal records. average and the
// deviations build on this library's own sum and average.
#include <algorithm>
#include <unordered_map>

#include "functions/precision/MXPrecisionThemes.h"

namespace detail {
namespace {

MXDecimalRecord sumOf(const MXNumbers& values) {
    MXDecimalRecord sum = MXDecimalZero();
    for (const MXNumber& value : values) sum = MXDecimalAdd(sum, value.decimalValue());
    return sum;
}

// The sum of this library divided by the count.
MXExpressionPtr averageBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                               const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(u"average", arguments.size(), 2, MXFunctionEvaluator::kUnlimited,
                                                 error)) {
        return nullptr;
    }
    const MXExpressionPtr sum = callOwnBuiltin(library, u"sum", arguments, substitutions, error);
    if (!sum) return nullptr;
    const auto count = static_cast<int64_t>(arguments.size());
    return decimalResult(MXDecimalDivide(resultRecord(sum), MXDecimalFromInteger(count)));
}

struct NumberHash {
    size_t operator()(const MXNumber& number) const { return number.hash(); }
};

// The one value with the highest count, when that count is at least 2 and no other value
// has it, read again as a decimal from its text; nothing otherwise.
std::optional<MXNumber> modeOf(const MXNumbers& values) {
    std::unordered_map<MXNumber, size_t, NumberHash> counts;
    for (const MXNumber& value : values) ++counts[value];
    const MXNumber* winner = nullptr;
    size_t winnerCount = 0;
    for (const auto& [value, count] : counts) {
        if (count < 2 || count < winnerCount) continue;
        // A second value with the winning count is a tie.
        winner = count > winnerCount ? &value : nullptr;
        winnerCount = count;
    }
    if (winner == nullptr) return std::nullopt;
    return MXNumber::numberWithDecimal(MXDecimalRecordFromString(winner->stringValue()));
}

// An odd count gives the middle number as the evaluator made it; an even count the
// decimal mean of the two middle ones.
MXNumber medianOf(MXNumbers values) {
    std::stable_sort(values.begin(), values.end(),
                     [](const MXNumber& left, const MXNumber& right) { return left.compare(right) < 0; });
    const size_t n = values.size();
    if (n % 2 == 1) return values[n / 2];
    return MXNumber::numberWithDecimal(MXDecimalAverage2(values[n / 2 - 1].decimalValue(), values[n / 2].decimalValue()));
}

// The mean comes from this library's average; every argument is then evaluated again for
// the exact squares of the deviations.
template <MXBuiltinName Name, int64_t Correction>
MXExpressionPtr deviationBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                                 const MXSubstitutions* substitutions, MXError* error) {
    if (!MXFunctionEvaluator::checkArgumentCount(Name.view(), arguments.size(), 2, MXFunctionEvaluator::kUnlimited,
                                                 error)) {
        return nullptr;
    }
    const MXExpressionPtr average = callOwnBuiltin(library, u"average", arguments, substitutions, error);
    if (!average) return nullptr;
    const MXDecimalRecord mean = resultRecord(average);
    MXDecimalRecord squares = MXDecimalZero();
    for (const MXExpressionPtr& argument : arguments) {
        const std::optional<MXDecimalRecord> value = evaluateDecimal(library, argument, substitutions, error);
        if (!value) return nullptr;
        squares = MXDecimalAdd(squares, MXDecimalPower(MXDecimalSubtract(mean, *value), MXDecimalTwo()));
    }
    const auto divisor = static_cast<int64_t>(arguments.size()) - Correction;
    return decimalResult(MXDecimalSqrt(MXDecimalDivide(squares, MXDecimalFromInteger(divisor))));
}

}  // namespace

MXBuiltinEntries decimalStatisticsBuiltins() {
    return {
        atLeastEntry<u"sum", 1, [](const MXNumbers& values) { return MXNumber::numberWithDecimal(sumOf(values)); }>(),
        {u"average", &averageBuiltin},
        atLeastEntry<u"mode", 1, [](const MXNumbers& values) { return modeOf(values); }>(),
        atLeastEntry<u"median", 2, [](const MXNumbers& values) { return medianOf(values); }>(),
        {u"stddev", &deviationBuiltin<u"stddev", 0>},
        {u"stddevs", &deviationBuiltin<u"stddevs", 1>},
    };
}

}  // namespace detail
