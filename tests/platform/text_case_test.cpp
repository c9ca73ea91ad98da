// Case mapping of UTF-16 text: ASCII and operator signs directly, everything else through
// the case tables.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/MXText.h"

namespace {

struct CaseMapping {
    const char* name;
    std::u16string text;
    std::u16string lower;
    std::u16string upper;
};

TEST(TextCase, MapsEveryCodePoint) {
    const CaseMapping cases[] = {
        {"ASCII letters", u"SinH", u"sinh", u"SINH"},
        {"letters beyond ASCII", u"ÄÖü", u"äöü", u"ÄÖÜ"},
        {"operator signs stay", u"X×÷≤¬°·−∧", u"x×÷≤¬°·−∧", u"X×÷≤¬°·−∧"},
        {"surrogate pair", u"\U00010400a", u"\U00010428a", u"\U00010400A"},
        {"lone surrogate kept", std::u16string(1, char16_t(0xD800)) + u"B", std::u16string(1, char16_t(0xD800)) + u"b",
         std::u16string(1, char16_t(0xD800)) + u"B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MXLowercase(c.text), c.lower) << c.name;
        EXPECT_EQ(MXUppercase(c.text), c.upper) << c.name;
    }
}

}  // namespace
