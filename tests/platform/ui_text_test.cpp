// Editing the headless expression view and host document.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/text/MXText.h"
#include "platform/ui/headless/MXHeadlessInputMethodHost.h"
#include "platform/ui/MXTextView.h"

namespace {

// An edit: insert a text, or delete backward when `text` is null.
struct Edit {
    const char16_t* text;
};

constexpr Edit kDelete{nullptr};

struct EditCase {
    const char16_t* initial;
    size_t selectionLocation;
    size_t selectionLength;
    std::vector<Edit> edits;
    const char16_t* expected;
    size_t expectedInsertionPoint;
};

template <class Editor>
void apply(Editor& editor, const std::vector<Edit>& edits) {
    for (const Edit& edit : edits) {
        edit.text ? editor.insertText(edit.text) : editor.deleteBackward();
    }
}

// Deleting removes one grapheme: a surrogate pair, a joined emoji sequence, or a lone surrogate.
const std::vector<EditCase> kEditCases = {
    {u"", 0, 0, {{u"2"}, {u" + "}, {u"3"}}, u"2 + 3", 5}, {u"", 0, 0, {kDelete, kDelete}, u"", 0},
    {u"2+3", 1, 0, {kDelete}, u"+3", 0}, {u"2+3", 0, 0, {kDelete, {u"1"}}, u"12+3", 1},
    {u"sin(30", 0, 3, {{u"cos"}}, u"cos(30", 3}, {u"12345", 1, 3, {kDelete}, u"15", 1},
    {u"x\U0001F600", 3, 0, {kDelete}, u"x", 1},
    {u"\U0001F468\u200D\U0001F469\u200D\U0001F467!", 9, 0, {kDelete, kDelete}, u"", 0},
    {u"a\xD800", 2, 0, {kDelete}, u"a", 1},
};

// The text and insertion point after the edits, in the expression view and in the host.
std::pair<std::string, size_t> editInView(const EditCase& c) {
    MXTextView view;
    view.setText(c.initial);
    view.setSelectedRange(c.selectionLocation, c.selectionLength);
    apply(view, c.edits);
    return {MXToUtf8(view.text()), view.insertionPoint()};
}

std::pair<std::string, size_t> editInHost(const EditCase& c) {
    MXHeadlessTextDocumentProxy proxy;
    proxy.setDocument(c.initial);
    proxy.setSelectedRange(c.selectionLocation, c.selectionLength);
    apply(proxy, c.edits);
    return {MXToUtf8(proxy.document()), proxy.documentContextBeforeInput()->size()};
}

class HeadlessEditing : public ::testing::TestWithParam<EditCase> {};

TEST_P(HeadlessEditing, EditsAtTheInsertionPoint) {
    std::pair<std::string, size_t> expected{MXToUtf8(GetParam().expected), GetParam().expectedInsertionPoint};
    EXPECT_EQ(editInView(GetParam()), expected);
    EXPECT_EQ(editInHost(GetParam()), expected);
}

INSTANTIATE_TEST_SUITE_P(Edits, HeadlessEditing, ::testing::ValuesIn(kEditCases));

TEST(HeadlessTextView, SetTextMovesTheInsertionPointToTheEndAndSelectionBeyondTheTextIsRejected) {
    MXTextView view;
    view.setText(u"2+3");
    view.setSelectedRange(0, 1);
    view.setText(u"ab");
    view.insertText(u"c");
    EXPECT_EQ(view.text(), u"abc");
    EXPECT_THROW(view.setSelectedRange(4, 0), std::out_of_range);
    EXPECT_THROW(view.setSelectedRange(1, SIZE_MAX), std::out_of_range);
    EXPECT_NO_THROW(view.setSelectedRange(3, 0));
}

}  // namespace
