#pragma once
// The platform error object: domain, code, message and user-info entries.
// A default-constructed error is the empty slot that operations fill on failure.
#include <cstdint>
#include <map>
#include <string>

extern const std::u16string MXErrorDomain;
extern const std::u16string MXUnknownVariableKey;
extern const std::u16string MXUnknownFunctionKey;

enum MXErrorCode : int64_t {
    MXErrorCodeInvalidFormat = 1,
    MXErrorCodeInvalidOperator = 2,
    MXErrorCodeInvalidIdentifier = 3,
    MXErrorCodeInvalidVariable = 4,
    MXErrorCodeInvalidNumber = 5,
    MXErrorCodeUnknownOperatorPrecedence = 6,
    MXErrorCodeImbalancedParentheses = 7,
    MXErrorCodeUnknownOperatorArity = 8,
    MXErrorCodeBinaryOperatorMissingLeftOperand = 9,
    MXErrorCodeBinaryOperatorMissingRightOperand = 10,
    MXErrorCodeUnaryOperatorMissingLeftOperand = 11,
    MXErrorCodeUnaryOperatorMissingRightOperand = 12,
    MXErrorCodeMissingOperands = 13,
    MXErrorCodeUnresolvedVariable = 14,
    MXErrorCodeUnresolvedFunction = 15,
    MXErrorCodeInvalidFunctionReturnType = 16,
    MXErrorCodeInvalidArgumentCount = 17,
    MXErrorCodeInvalidArgument = 18,
};

class MXError {
public:
    using UserInfo = std::map<std::u16string, std::u16string>;

    MXError() = default;
    MXError(std::u16string domain, int64_t code, std::u16string message, UserInfo userInfo = {});

    // An error of the engine's domain.
    static MXError engineError(int64_t code, std::u16string message, UserInfo userInfo = {});

    // Writes `error` into `slot` when a slot is given and it holds no error yet.
    static void fillEmptySlot(MXError* slot, MXError error);
    // Writes `error` into `slot` when a slot is given, replacing what it held.
    static void overwriteSlot(MXError* slot, MXError error);

    bool isEmpty() const { return code_ == 0 && domain_.empty(); }
    const std::u16string& domain() const { return domain_; }
    int64_t code() const { return code_; }
    const std::u16string& localizedDescription() const { return message_; }
    const UserInfo& userInfo() const { return userInfo_; }

    // The text written into log lines: Error Domain=<domain> Code=<code> "<message>".
    std::u16string description() const;

    bool operator==(const MXError&) const = default;

private:
    std::u16string domain_;
    int64_t code_ = 0;
    std::u16string message_;
    UserInfo userInfo_;
};
