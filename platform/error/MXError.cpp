#include "platform/error/MXError.h"

#include "platform/text/MXText.h"

const std::u16string MXErrorDomain = u"org.mxcalc.engine.ErrorDomain";
const std::u16string MXUnknownVariableKey = u"MXUnknownVariableKey";
const std::u16string MXUnknownFunctionKey = u"MXUnknownFunctionKey";

MXError::MXError(std::u16string domain, int64_t code, std::u16string message, UserInfo userInfo)
    : domain_(std::move(domain)), code_(code), message_(std::move(message)), userInfo_(std::move(userInfo)) {}

MXError MXError::engineError(int64_t code, std::u16string message, UserInfo userInfo) {
    return MXError(MXErrorDomain, code, std::move(message), std::move(userInfo));
}

void MXError::fillEmptySlot(MXError* slot, MXError error) {
    if (slot != nullptr && slot->isEmpty()) *slot = std::move(error);
}

void MXError::overwriteSlot(MXError* slot, MXError error) {
    if (slot != nullptr) *slot = std::move(error);
}

std::u16string MXError::description() const {
    return u"Error Domain=" + domain_ + u" Code=" + MXIntegerText(code_) + u" \"" + message_ + u"\"";
}
