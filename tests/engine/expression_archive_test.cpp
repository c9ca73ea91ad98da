// Keyed archives: exact round trips of every kind, and damaged archives giving no tree.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/expression/MXExpressionNodes.h"
#include "tests/support/expression_builders.h"

using namespace expression_test;

namespace {

MXExpressionPtr numberNode(MXNumber number) { return MXExpression::numberExpressionWithNumber(number); }

// Number kinds at their limits, awkward variable names, functions of every shape.
std::vector<MXExpressionPtr> archivedTrees() {
    using limits = std::numeric_limits<double>;
    return {
        num(0.1), num(-0.0), num(limits::infinity()), num(std::nan("")), dec(u"-123.456"),
        dec(u"1234567890123456789012345678901234.5678"),
        numberNode(MXNumber::numberWithDecimal(MXDecimalRecord::notANumber())),
        numberNode(MXNumber::numberWithLongLong(std::numeric_limits<int64_t>::min())),
        numberNode(MXNumber::numberWithUnsignedLongLong(std::numeric_limits<uint64_t>::max())),
        numberNode(MXNumber::numberWithInt(std::numeric_limits<int32_t>::min())),
        numberNode(MXNumber::numberWithBool(true)), MXExpression::numberExpressionWithNumber(std::nullopt),
        var(u"a\"b\\c\n\t\x01"), var(u"\u00e9\U0001F600\xD800"),
        fn(u"SiN", {num(1)}), fn(u"add", {num(2), fn(u"multiply", {dec(u"3"), var(u"y")}), fn(u"random")}),
    };
}

TEST(ExpressionArchive, RoundTripsExactly) {
    for (const MXExpressionPtr& tree : archivedTrees()) {
        const std::string archived = tree->archive();
        const MXExpressionPtr restored = MXExpression::unarchive(archived);
        ASSERT_NE(restored, nullptr) << archived;
        EXPECT_TRUE(restored->isEqual(*tree)) << archived;
        EXPECT_EQ(restored->description(), tree->description()) << archived;
        EXPECT_EQ(restored->archive(), archived) << "kinds, values and spellings survive";
        EXPECT_TRUE(tree->copy()->isEqual(*tree)) << archived;
    }
}

TEST(ExpressionArchive, DamagedArchivesGiveNoTree) {
    std::vector<std::string> damaged = {
        "", "not json", "[]", R"({"version":1})", R"({"expression":{"variable":"x"}})",
        R"({"version":2,"expression":{"variable":"x"}})", R"({"version":"1","expression":{"variable":"x"}})",
        R"({"version":1,"expression":{"variable":"x"}} trailing)",
    };
    // Damaged expressions inside an otherwise sound archive.
    for (const char* expression : {
             R"([])", R"({"variable":"x","number":null})", R"({"variable":""})", R"({"variable":5})",
             R"({"variable":[70000]})", R"({"function":"f"})",
             R"({"function":"f","arguments":{}})", R"({"function":7,"arguments":[]})",
             R"({"function":"f","arguments":[{"variable":""}]})",
             R"({"function":"f","arguments":[{"function":"g","arguments":[1]}]})", R"({"number":5})",
             R"({"number":{"kind":"float","value":"1"}})", R"({"number":{"kind":"double"}})",
             R"({"number":{"kind":"double","value":1.5}})", R"({"number":{"kind":"double","value":"1.5x"}})",
             R"({"number":{"kind":"double","value":"1e999"}})", R"({"number":{"kind":"decimal","value":"abc"}})",
             R"({"number":{"kind":"int64","value":1.5}})",
             R"({"number":{"kind":"int64","value":9223372036854775808}})", R"({"number":{"kind":"uint64","value":-1}})",
             R"({"number":{"kind":"int32","value":2147483648}})"}) {
        damaged.push_back(std::string(R"({"version":1,"expression":)") + expression + "}");
    }
    for (const std::string& archive : damaged) EXPECT_EQ(MXExpression::unarchive(archive), nullptr) << archive;
}

TEST(ExpressionArchive, TruncatedOrCorruptedArchivesNeverCrash) {
    const std::string archived = fn(u"add", {num(2), fn(u"f", {var(u"x"), dec(u"1.5")})})->archive();
    for (size_t length = 0; length < archived.size(); ++length)
        EXPECT_EQ(MXExpression::unarchive(std::string_view(archived).substr(0, length)), nullptr) << length;
    for (size_t i = 0; i < archived.size(); ++i) {
        for (const char replacement : {'{', '}', '[', ']', '"', ',', ':', '0', '\\', '\0', '\xff'}) {
            std::string corrupted = archived;
            corrupted[i] = replacement;
            if (const MXExpressionPtr tree = MXExpression::unarchive(corrupted)) {
                EXPECT_FALSE(tree->description().empty());
            }
        }
    }
}

TEST(ExpressionArchive, NestingBeyondTheLimitInTextIsRejectedBeforeParsing) {
    const std::string brackets(10'000'000, '[');
    EXPECT_EQ(MXExpression::unarchive(R"({"version":1,"expression":)" + brackets), nullptr);
}

}  // namespace
