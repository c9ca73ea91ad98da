// sum, average, mode, median, stddev and stddevs on decimal records. average builds on
// this library's own sum.
#include "functions/double/MXStatisticsSupport.h"
#include "functions/precision/MXPrecisionThemes.h"

namespace mxcalc::detail {
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

// The unique most frequent value, read again as a decimal from its text.
std::optional<MXNumber> modeOf(const MXNumbers& values) {
    const MXNumber* mode = uniqueMostFrequent(values);
    if (mode == nullptr) return std::nullopt;
    return MXNumber::numberWithDecimal(MXDecimalRecordFromString(mode->stringValue()));
}

// An odd count gives the middle number as the evaluator made it; an even count the
// decimal mean of the two middle ones.
MXNumber medianOf(const MXNumbers& values) {
    const MXNumbers sorted = sortedAscending(values);
    const size_t n = sorted.size();
    if (n % 2 == 1) return sorted[n / 2];
    return MXNumber::numberWithDecimal(MXDecimalAverage2(sorted[n / 2 - 1].decimalValue(), sorted[n / 2].decimalValue()));
}

// The standard deviation of the population (correction 0) or of a sample (correction 1):
// the mean is the decimal sum over the count, the squares of the deviations are exact.
MXNumber deviationOf(const MXNumbers& values, int64_t correction) {
    const auto count = static_cast<int64_t>(values.size());
    const MXDecimalRecord mean = MXDecimalDivide(sumOf(values), MXDecimalFromInteger(count));
    MXDecimalRecord squares = MXDecimalZero();
    for (const MXNumber& value : values) {
        squares = MXDecimalAdd(squares, MXDecimalPower(MXDecimalSubtract(mean, value.decimalValue()), MXDecimalTwo()));
    }
    return MXNumber::numberWithDecimal(MXDecimalSqrt(MXDecimalDivide(squares, MXDecimalFromInteger(count - correction))));
}

}  // namespace

MXBuiltinEntries decimalStatisticsBuiltins() {
    return {
        atLeastEntry<u"sum", 1, [](const MXNumbers& values) { return MXNumber::numberWithDecimal(sumOf(values)); }>(),
        {u"average", &averageBuiltin},
        atLeastEntry<u"mode", 1, [](const MXNumbers& values) { return modeOf(values); }>(),
        atLeastEntry<u"median", 2, [](const MXNumbers& values) { return medianOf(values); }>(),
        atLeastEntry<u"stddev", 2, [](const MXNumbers& values) { return deviationOf(values, 0); }>(),
        atLeastEntry<u"stddevs", 2, [](const MXNumbers& values) { return deviationOf(values, 1); }>(),
    };
}

}  // namespace mxcalc::detail
