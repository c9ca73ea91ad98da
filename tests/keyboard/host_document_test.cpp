// What reaches the host document from the space and return keys, with typing into the
// host on and off.
#include "platform/log/MXLog.h"
#include "tests/support/keyboard_fixture.h"

namespace {

struct InsertionCase {
    std::vector<std::u16string_view> keys;
    bool canType;
    std::u16string documentAfterSpace;
};

class KeyboardSpaceKey : public KeyboardTest, public testing::WithParamInterface<InsertionCase> {};

TEST_P(KeyboardSpaceKey, InsertsTheResultAndEmptiesTheExpression) {
    controller().setCanType(GetParam().canType);
    for (std::u16string_view key : GetParam().keys) type({key});
    MXLogCapture log;
    controller().spaceKeyPressed(keyboard_.spaceButton());
    EXPECT_EQ(keyboard_.document(), GetParam().documentAfterSpace);
    EXPECT_EQ(keyboard_.resultsLabel().text(), u"");
    EXPECT_EQ(keyboard_.spaceTitle(), u"");
    EXPECT_TRUE(log.lines().empty());
}

const InsertionCase kInsertions[] = {
    {{u"sind(", u"rtod(", u"0"}, true, u"sind(rtod(0)) = 0"}, {{u"2", u")", u")"}, true, u"2)) = 2"},
    {{u"0", u"/", u"0"}, true, u"0/0 = NaN"},
    // Typing into the host off: only the result reaches it.
    {{u"1234", u"*", u"1000"}, false, u"1,234,000"},
};
INSTANTIATE_TEST_SUITE_P(Insertions, KeyboardSpaceKey, testing::ValuesIn(kInsertions));

TEST_F(KeyboardTest, WithTypingOffKeysReachOnlyTheExpressionAndReturnInsertsTheValue) {
    controller().setCanType(false);
    type({u"9", u"/", u"2"});
    EXPECT_EQ(keyboard_.document(), u"");
    EXPECT_EQ(keyboard_.resultsLabel().text(), u"9/2");
    EXPECT_EQ(keyboard_.spaceTitle(), u" = 4.5");
    controller().returnKeyPressed(keyboard_.spaceButton());
    EXPECT_EQ(keyboard_.document(), u"4.5\n");
}

}  // namespace
