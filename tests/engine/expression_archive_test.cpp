// Keyed archives: exact round trips of every kind, and damaged archives giving no tree.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/expression/MXExpressionNodes.h"
#include "tests/engine/expression_builders.h"

using namespace expression_test;

namespace {

MXExpressionPtr numberNode(MXNumber number) { return MXExpression::numberExpressionWithNumber(number); }

std::vector<std::pair<const char*, MXExpressionPtr>> archivedTrees() {
    const double inf = std::numeric_limits<double>::infinity();
    return {
        {"double", num(0.1)},
        {"negative zero", num(-0.0)},
        {"smallest subnormal", num(std::numeric_limits<double>::denorm_min())},
        {"largest double", num(std::numeric_limits<double>::max())},
        {"third", num(1.0 / 3.0)},
        {"infinity", num(inf)},
        {"negative infinity", num(-inf)},
        {"not-a-number", num(std::nan(""))},
        {"decimal", dec(u"-123.456")},
        {"decimal of 38 digits", dec(u"1234567890123456789012345678901234.5678")},
        {"tiny decimal", dec(u"1e-128")},
        {"huge decimal", dec(u"9.9e127")},
        {"decimal not-a-number", numberNode(MXNumber::numberWithDecimal(MXDecimalRecord::notANumber()))},
        {"int64 min", numberNode(MXNumber::numberWithLongLong(std::numeric_limits<int64_t>::min()))},
        {"int64 max", numberNode(MXNumber::numberWithLongLong(std::numeric_limits<int64_t>::max()))},
        {"uint64 max", numberNode(MXNumber::numberWithUnsignedLongLong(std::numeric_limits<uint64_t>::max()))},
        {"int32 min", numberNode(MXNumber::numberWithInt(std::numeric_limits<int32_t>::min()))},
        {"truth value", numberNode(MXNumber::numberWithBool(true))},
        {"no number", MXExpression::numberExpressionWithNumber(std::nullopt)},
        {"variable", var(u"x")},
        {"variable with quotes and controls", var(u"a\"b\\c\n\t\x01")},
        {"non-ASCII variable", var(u"\u00e9\u03c0\U0001F600")},
        {"unpaired surrogate", var(u"a\xD800z")},
        {"trailing lead surrogate", var(u"a\xDBFF")},
        {"function without arguments", fn(u"pi")},
        {"mixed-case function", fn(u"SiN", {num(1)})},
        {"nested", fn(u"add", {num(2), fn(u"multiply", {dec(u"3"), var(u"y")}), fn(u"random")})},
    };
}

TEST(ExpressionArchive, RoundTripsExactly) {
    for (const auto& [name, tree] : archivedTrees()) {
        const std::string archived = tree->archive();
        const MXExpressionPtr restored = MXExpression::unarchive(archived);
        ASSERT_NE(restored, nullptr) << name << ": " << archived;
        EXPECT_TRUE(restored->isEqual(*tree)) << name;
        EXPECT_EQ(restored->description(), tree->description()) << name;
        EXPECT_EQ(restored->archive(), archived) << name << ": kinds, values and spellings survive";
    }
}

TEST(ExpressionArchive, KeepsNumberKindAndGivenSpelling) {
    const MXExpressionPtr restored = MXExpression::unarchive(fn(u"ADD", {dec(u"2"), num(2)})->archive());
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->arguments()[0]->number()->isDecimal());
    EXPECT_EQ(restored->arguments()[1]->number()->kind(), MXNumberKind::Double);
    EXPECT_EQ(dynamic_cast<const detail::MXFunctionExpression&>(*restored).givenFunction(), u"ADD");
    EXPECT_EQ(restored->arguments()[0]->parentExpression(), restored);
}

TEST(ExpressionArchive, UsesTheKeyedFormat) {
    EXPECT_EQ(fn(u"f", {num(1.5), var(u"x")})->archive(),
              R"({"version":1,"expression":{"function":"f","arguments":[)"
              R"({"number":{"kind":"double","value":"1.5"}},{"variable":"x"}]}})");
}

TEST(ExpressionArchive, DamagedArchivesGiveNoTree) {
    const char* damaged[] = {
        "",
        "not json",
        "null",
        "[]",
        "{}",
        R"({"version":1})",
        R"({"expression":{"variable":"x"}})",
        R"({"version":2,"expression":{"variable":"x"}})",
        R"({"version":"1","expression":{"variable":"x"}})",
        R"({"version":-1,"expression":{"variable":"x"}})",
        R"({"version":1,"expression":[]})",
        R"({"version":1,"expression":{}})",
        R"({"version":1,"expression":{"variable":"x","number":null}})",
        R"({"version":1,"expression":{"variable":""}})",
        R"({"version":1,"expression":{"variable":"$"}})",
        R"({"version":1,"expression":{"variable":5}})",
        R"({"version":1,"expression":{"variable":[70000]}})",
        R"({"version":1,"expression":{"variable":[-1]}})",
        R"({"version":1,"expression":{"function":"f"}})",
        R"({"version":1,"expression":{"function":"f","arguments":{}}})",
        R"({"version":1,"expression":{"function":7,"arguments":[]}})",
        R"({"version":1,"expression":{"function":"f","arguments":[{"variable":""}]}})",
        R"({"version":1,"expression":{"function":"f","arguments":[{"function":"g","arguments":[1]}]}})",
        R"({"version":1,"expression":{"number":5}})",
        R"({"version":1,"expression":{"number":{"kind":"float","value":"1"}}})",
        R"({"version":1,"expression":{"number":{"kind":"double"}}})",
        R"({"version":1,"expression":{"number":{"kind":"double","value":1.5}}})",
        R"({"version":1,"expression":{"number":{"kind":"double","value":"1.5x"}}})",
        R"({"version":1,"expression":{"number":{"kind":"double","value":"1e999"}}})",
        R"({"version":1,"expression":{"number":{"kind":"decimal","value":"abc"}}})",
        R"({"version":1,"expression":{"number":{"kind":"decimal","value":1}}})",
        R"({"version":1,"expression":{"number":{"kind":"int64","value":1.5}}})",
        R"({"version":1,"expression":{"number":{"kind":"int64","value":9223372036854775808}}})",
        R"({"version":1,"expression":{"number":{"kind":"uint64","value":-1}}})",
        R"({"version":1,"expression":{"number":{"kind":"int32","value":2147483648}}})",
        R"({"version":1,"expression":{"number":{"kind":"int32","value":-2147483649}}})",
        R"({"version":1,"expression":{"variable":"x"}} trailing)",
    };
    for (const char* archive : damaged) EXPECT_EQ(MXExpression::unarchive(archive), nullptr) << archive;
}

TEST(ExpressionArchive, EveryTruncationGivesNoTree) {
    const std::string archived = fn(u"add", {num(2), fn(u"f", {var(u"x"), dec(u"1.5")})})->archive();
    for (size_t length = 0; length < archived.size(); ++length)
        EXPECT_EQ(MXExpression::unarchive(std::string_view(archived).substr(0, length)), nullptr) << length;
}

TEST(ExpressionArchive, CorruptedBytesNeverCrash) {
    const std::string archived = fn(u"add", {num(2), fn(u"f", {var(u"x"), dec(u"1.5")})})->archive();
    for (size_t i = 0; i < archived.size(); ++i) {
        for (const char replacement : {'{', '}', '[', ']', '"', ',', ':', '0', '\\', '\0', '\xff'}) {
            std::string corrupted = archived;
            corrupted[i] = replacement;
            const MXExpressionPtr tree = MXExpression::unarchive(corrupted);
            if (tree) {
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
