#pragma once
// The rewriter tests' fixture: an evaluator that knows a few variables and a fresh rewriter
// with the standard rules; parsing and printing of trees.
#include <gtest/gtest.h>

#include <string>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/rewriter/MXExpressionRewriter.h"
#include "engine/rewriter/MXRewriteRule.h"
#include "tests/support/expression_builders.h"

namespace rewriter_test {

using expression_test::utf8;

inline MXExpressionPtr parsed(std::u16string_view text) {
    MXError error;
    MXExpressionPtr tree = MXExpression::expressionFromString(text, &error);
    EXPECT_NE(tree, nullptr) << utf8(std::u16string(text)) << ": " << utf8(error.localizedDescription());
    return tree;
}

inline std::string described(const MXExpressionPtr& tree) { return tree ? utf8(tree->description()) : "(none)"; }

// An input text and the description its rewritten tree must have.
struct RewriteCase {
    const char16_t* input;
    const char* result;
};

// $p is 3, $z is 0 and $n is -2 for conditions; every other variable stays unresolved.
class RewriterTest : public ::testing::Test {
protected:
    RewriterTest() {
        evaluator.setVariableResolver([](const std::u16string& name) -> MXValue {
            if (name == u"p") return MXNumber(3.0);
            if (name == u"z") return MXNumber(0.0);
            if (name == u"n") return MXNumber(-2.0);
            return std::monostate{};
        });
    }

    std::string rewrite(std::u16string_view text) {
        return described(rewriter.expressionByRewritingExpression(parsed(text), evaluator));
    }
    void expectRewrites(const std::vector<RewriteCase>& cases) {
        for (const auto& c : cases) EXPECT_EQ(rewrite(c.input), c.result) << utf8(c.input);
    }
    MXExpressionPtr simplified(std::u16string_view text) {
        return parsed(text)->simplifiedExpressionWithEvaluator(&evaluator);
    }
    // Rule `number` of the standard table, counted from 1.
    const mxcalc::detail::MXRewriteRule& standardRule(size_t number) const { return *rewriter.rewriteRules().at(number - 1); }

    MXMathEvaluator evaluator;
    MXExpressionRewriter rewriter;
};

}  // namespace rewriter_test
