// The argument-count check every built-in makes before it evaluates anything.
#include "functions/library/MXFunctionEvaluator.h"
#include "platform/text/MXText.h"

namespace mxcalc::detail {
namespace {

MXError argumentCountError(std::u16string_view name, std::u16string_view requirement, size_t count) {
    std::u16string message(name);
    message += u":variables:error: requires ";
    message += requirement;
    message += MXIntegerText(static_cast<int64_t>(count));
    message += count == 1 ? u" argument" : u" arguments";
    return MXError::engineError(MXErrorCodeInvalidArgumentCount, std::move(message));
}

}  // namespace

bool MXFunctionEvaluator::checkArgumentCount(std::u16string_view name, size_t count, size_t minimum, size_t maximum,
                                             MXError* error) {
    if (count >= minimum && count <= maximum) return true;
    MXError failure;
    if (maximum == kUnlimited) {
        failure = argumentCountError(name, u"at least ", minimum);
    } else {
        failure = argumentCountError(name, u"", count < minimum ? minimum : maximum);
    }
    MXError::overwriteSlot(error, std::move(failure));
    return false;
}

}  // namespace mxcalc::detail
