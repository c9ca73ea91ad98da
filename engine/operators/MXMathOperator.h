#pragma once
// One piece of infix, prefix or postfix notation: the function it stands for, its
// spellings, arity, associativity and precedence (larger binds tighter).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum MXOperatorArity : int64_t {
    MXOperatorArityUnknown = 0,
    MXOperatorArityUnary = 1,
    MXOperatorArityBinary = 2,
};

// For unary operators: right means prefix (operand to the right), left means postfix.
enum MXOperatorAssociativity : int64_t {
    MXOperatorAssociativityLeft = 0,
    MXOperatorAssociativityRight = 1,
};

extern const std::u16string MXOperatorInvalid;
extern const std::u16string MXOperatorLogicalOr;
extern const std::u16string MXOperatorLogicalAnd;
extern const std::u16string MXOperatorLogicalNot;
extern const std::u16string MXOperatorLogicalEqual;
extern const std::u16string MXOperatorLogicalNotEqual;
extern const std::u16string MXOperatorLogicalLessThan;
extern const std::u16string MXOperatorLogicalGreaterThan;
extern const std::u16string MXOperatorLogicalLessThanOrEqual;
extern const std::u16string MXOperatorLogicalGreaterThanOrEqual;
extern const std::u16string MXOperatorBitwiseOr;
extern const std::u16string MXOperatorBitwiseXor;
extern const std::u16string MXOperatorBitwiseAnd;
extern const std::u16string MXOperatorLeftShift;
extern const std::u16string MXOperatorRightShift;
extern const std::u16string MXOperatorMinus;
extern const std::u16string MXOperatorAdd;
extern const std::u16string MXOperatorDivide;
extern const std::u16string MXOperatorMultiply;
extern const std::u16string MXOperatorModulo;
extern const std::u16string MXOperatorBitwiseNot;
extern const std::u16string MXOperatorFactorial;
extern const std::u16string MXOperatorDegree;
extern const std::u16string MXOperatorPercent;
extern const std::u16string MXOperatorPower;
extern const std::u16string MXOperatorParenthesisOpen;
extern const std::u16string MXOperatorParenthesisClose;
extern const std::u16string MXOperatorComma;
extern const std::u16string MXOperatorUnaryMinus;
extern const std::u16string MXOperatorUnaryPlus;

class MXMathOperator;
using MXMathOperatorPtr = std::shared_ptr<MXMathOperator>;

class MXMathOperator {
public:
    // Stores the values as given (tokens neither checked nor lower-cased).
    MXMathOperator(std::u16string function, std::vector<std::u16string> tokens, MXOperatorArity arity,
                   int64_t precedence, MXOperatorAssociativity associativity);
    // For operators made by callers: refuses unknown arity ("Unable to create operator with
    // unknown arity") and invalid tokens ("Invalid operator token: %@") with
    // std::invalid_argument; lower-cases the tokens; precedence 0.
    MXMathOperator(std::u16string function, std::vector<std::u16string> tokens, MXOperatorArity arity,
                   MXOperatorAssociativity associativity);

    // Lower-cases the tokens and appends them.
    void addTokens(const std::vector<std::u16string>& tokens);

    const std::u16string& function() const { return function_; }
    const std::vector<std::u16string>& tokens() const { return tokens_; }
    MXOperatorArity arity() const { return arity_; }
    MXOperatorAssociativity associativity() const { return associativity_; }
    void setAssociativity(MXOperatorAssociativity associativity) { associativity_ = associativity; }
    int64_t precedence() const { return precedence_; }
    void setPrecedence(int64_t precedence) { precedence_ = precedence; }

    // A new operator with the same five values.
    MXMathOperatorPtr copy() const;
    // "<MXMathOperator: 0x…> {(+) => add(), Arity: Binary, Assoc: Left, Precedence: 13}"
    std::u16string description() const;

    // The default operator set's operator for a function name, or null.
    static MXMathOperatorPtr infoForOperatorFunction(std::u16string_view function);
    // The default operator set's operators for a spelling (any case), in registration order.
    static std::vector<MXMathOperatorPtr> infosForOperatorToken(std::u16string_view token);

private:
    std::u16string function_;
    std::vector<std::u16string> tokens_;
    MXOperatorArity arity_;
    MXOperatorAssociativity associativity_;
    int64_t precedence_;
};
