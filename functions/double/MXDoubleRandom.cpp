// random and rnd: uniform whole numbers.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>

#include "functions/double/MXDoubleThemes.h"

namespace mxcalc::detail {
namespace {

// The bound of the one-argument form and of a reversed or empty pair is read as an
// unsigned 32-bit number, the bound without arguments is the largest such number.
constexpr int64_t kWidestBound = std::numeric_limits<uint32_t>::max();

std::mt19937_64& randomSource() {
    thread_local std::mt19937_64 source{std::random_device{}()};
    return source;
}

// Uniform in [lower, upper); the lower bound itself when that is empty.
int64_t drawBetween(int64_t lower, int64_t upper) {
    if (lower >= upper) return lower;
    const uint64_t span = static_cast<uint64_t>(upper) - static_cast<uint64_t>(lower);
    std::uniform_int_distribution<uint64_t> offset(0, span - 1);
    return static_cast<int64_t>(static_cast<uint64_t>(lower) + offset(randomSource()));
}

// Below the low 32 bits of `bound`, and not below `lower`.
int64_t drawBelow32BitBound(int64_t lower, int64_t bound) {
    const auto upper = static_cast<int64_t>(static_cast<uint32_t>(bound));
    return drawBetween(std::max<int64_t>(lower, 0), upper);
}

int64_t drawFor(const MXNumbers& bounds) {
    switch (bounds.size()) {
        case 0: return drawBelow32BitBound(0, kWidestBound);
        case 1: return drawBelow32BitBound(0, bounds[0].longLongValue());
        default: break;
    }
    const int64_t lower = bounds[0].longLongValue();
    const int64_t upper = bounds[1].longLongValue();
    return upper > lower ? drawBetween(lower, upper) : drawBelow32BitBound(lower, kWidestBound);
}

MXExpressionPtr randomBuiltin(MXFunctionEvaluator& library, const MXBuiltinArguments& arguments,
                              const MXSubstitutions* substitutions, MXError* error) {
    if (arguments.size() > 2) {
        MXError::overwriteSlot(error, MXError::engineError(MXErrorCodeInvalidArgumentCount,
                                                           u"random() may only have up to 2 arguments"));
        return nullptr;
    }
    const std::optional<MXNumbers> bounds = evaluateArguments(library, arguments, substitutions, error);
    if (!bounds) return nullptr;
    return numberResult(MXNumber::numberWithLongLong(drawFor(*bounds)));
}

}  // namespace

MXBuiltinEntries randomBuiltins() { return {{u"random", &randomBuiltin}, {u"rnd", &randomBuiltin}}; }

}  // namespace mxcalc::detail
