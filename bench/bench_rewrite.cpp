// Rewriting a sum of products of about 1,000 nodes with the standard rules, as a parse
// builds it (left-deep): 2*$x0 + 2*$x1 + ... (250 products, 999 nodes).
//   BM_RewriteSumOfProducts: rule 8 moves every number to the right (a pass that changes
//     all products, then a pass that changes nothing).
//   BM_RewriteNormalForm: $x0*2 + $x1*2 + ...: one pass in which no rule fires.
//   BM_SimplifySumOfProducts: the simplification every pass starts with, for comparison.
//
//   bench_rewrite [benchmark options]
#include <benchmark/benchmark.h>

#include <string>

#include "engine/evaluator/MXMathEvaluator.h"
#include "engine/expression/MXExpression.h"
#include "platform/text/MXText.h"

namespace {

constexpr int kProducts = 250;

// The products joined by "+"; `numberFirst` writes 2*$xi, otherwise $xi*2.
MXExpressionPtr sumOfProducts(bool numberFirst) {
    std::u16string text;
    for (int i = 0; i < kProducts; ++i) {
        const std::u16string variable = u"$x" + MXIntegerText(i);
        if (i > 0) text += u" + ";
        text += numberFirst ? u"2*" + variable : variable + u"*2";
    }
    return MXExpression::expressionFromString(text);
}

size_t nodeCount(const MXExpression& node) {
    size_t count = 1;
    if (node.expressionType() == MXExpressionTypeFunction)
        for (const auto& argument : node.arguments()) count += nodeCount(*argument);
    return count;
}

void rewrite(benchmark::State& state, bool numberFirst) {
    MXMathEvaluator evaluator;
    const MXExpressionPtr tree = sumOfProducts(numberFirst);
    if (!tree) {
        state.SkipWithError("the sum does not parse");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(evaluator.expressionByRewritingExpression(tree));
    state.counters["nodes"] = double(nodeCount(*tree));
}

void BM_RewriteSumOfProducts(benchmark::State& state) { rewrite(state, true); }
void BM_RewriteNormalForm(benchmark::State& state) { rewrite(state, false); }

void BM_SimplifySumOfProducts(benchmark::State& state) {
    MXMathEvaluator evaluator;
    const MXExpressionPtr tree = sumOfProducts(true);
    for (auto _ : state) benchmark::DoNotOptimize(tree->simplifiedExpressionWithEvaluator(&evaluator));
}

}  // namespace

BENCHMARK(BM_RewriteSumOfProducts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RewriteNormalForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimplifySumOfProducts)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
