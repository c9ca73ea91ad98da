#include "engine/operators/MXDefaultOperators.h"

#include <string>
#include <vector>


namespace {

// What the platform expression evaluator answers for "2 ^ 3 ^ 2". There is none here, so the
// answer is the mathematical convention, which makes "pow" right-associative.
int powerAssociativityProbe() { return 512; }

struct OperatorEntry {
    const char16_t* function;  // literal: usable before the name constants exist
    std::vector<std::u16string> tokens;
    MXOperatorArity arity;
    MXOperatorAssociativity associativity;
    int64_t precedence;
};

std::vector<OperatorEntry> buildDefaultTable() {
    constexpr auto Unary = MXOperatorArityUnary;
    constexpr auto Binary = MXOperatorArityBinary;
    constexpr auto Left = MXOperatorAssociativityLeft;
    constexpr auto Right = MXOperatorAssociativityRight;
    const auto powerAssociativity = powerAssociativityProbe() == 512 ? Right : Left;
    return {
        {u"l_or", {u"||", u"\u2228"}, Binary, Left, 0},
        {u"l_and", {u"&&", u"\u2227"}, Binary, Left, 1},
        {u"l_eq", {u"==", u"="}, Binary, Left, 2},
        {u"l_neq", {u"!="}, Binary, Left, 2},
        {u"l_lt", {u"<"}, Binary, Left, 3},
        {u"l_gt", {u">"}, Binary, Left, 4},
        {u"l_ltoe", {u"<=", u"=<", u"\u2264", u"\u226F"}, Binary, Left, 5},
        {u"l_gtoe", {u">=", u"=>", u"\u2265", u"\u226E"}, Binary, Left, 6},
        {u"l_not", {u"!", u"\u00AC"}, Unary, Right, 7},
        {u"or", {u"|"}, Binary, Left, 8},
        {u"xor", {u"**"}, Binary, Left, 9},
        {u"and", {u"&"}, Binary, Left, 10},
        {u"lshift", {u"<<"}, Binary, Left, 11},
        {u"rshift", {u">>"}, Binary, Left, 12},
        {u"add", {u"+"}, Binary, Left, 13},
        {u"subtract", {u"-", u"\u2212"}, Binary, Left, 13},
        {u"multiply", {u"*", u"\u00D7"}, Binary, Left, 14},
        {u"divide", {u"/", u"\u00F7"}, Binary, Left, 14},
        {u"not", {u"~"}, Unary, Right, 15},
        {u"negate", {u"-", u"\u2212"}, Unary, Right, 16},
        {u"positive", {u"+"}, Unary, Right, 16},
        {u"factorial", {u"!"}, Unary, Left, 17},
        {u"dtor", {u"\u00BA", u"\u00B0"}, Unary, Left, 17},
        {u"pow", {u"^"}, Binary, powerAssociativity, 18},
        {u"open_paren", {u"("}, Unary, Right, 19},
        {u"close_paren", {u")"}, Unary, Left, 19},
        {u"comma", {u";"}, MXOperatorArityUnknown, Left, 20},
    };
}

}  // namespace

namespace mxcalc::detail {

std::vector<MXMathOperatorPtr> defaultOperators() {
    static const std::vector<OperatorEntry> table = buildDefaultTable();
    std::vector<MXMathOperatorPtr> operators;
    operators.reserve(table.size());
    for (const auto& entry : table) {
        operators.push_back(std::make_shared<MXMathOperator>(entry.function, entry.tokens, entry.arity,
                                                             entry.precedence, entry.associativity));
    }
    return operators;
}

}  // namespace mxcalc::detail
