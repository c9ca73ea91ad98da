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
        {"empty", u"", u"", u""},
        {"ASCII letters", u"SinH", u"sinh", u"SINH"},
        {"digits and signs stay", u"A1_$(;)Z", u"a1_$(;)z", u"A1_$(;)Z"},
        {"letters beyond ASCII", u"ÄÖü", u"äöü", u"ÄÖÜ"},
        {"operator signs stay", u"X×÷≤¬°·−∧", u"x×÷≤¬°·−∧", u"X×÷≤¬°·−∧"},
        {"a letter after signs", u"×Ω÷", u"×ω÷", u"×Ω÷"},
        {"Greek letters", u"ΑΧΩπτϕς", u"αχωπτϕς", u"ΑΧΩΠΤΦΣ"},
        {"Greek beyond the alphabet", u"ϴϷ", u"θϸ", u"ϴϷ"},
        {"Greek after ASCII", u"xΣ", u"xσ", u"XΣ"},
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
