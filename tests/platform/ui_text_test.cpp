// Editing the headless expression view and host document.
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "platform/ui/headless/MXHeadlessInputMethodHost.h"
#include "platform/ui/MXTextView.h"

namespace {

// Typing over a selection replaces it; deleting a selection removes it. Both the view and
// the host document edit the same way.
TEST(HeadlessEditing, ReplacesOrDeletesTheSelection) {
    // The text, the selection, the text typed (none: delete), the text after and its insertion point.
    const std::tuple<const char16_t*, size_t, size_t, const char16_t*, const char16_t*, size_t> cases[] = {
        {u"sin(30", 0, 3, u"cos", u"cos(30", 3}, {u"12345", 1, 3, nullptr, u"15", 1}};
    for (const auto& [initial, location, length, typed, expected, insertionPoint] : cases) {
        MXTextView view;
        view.setText(initial);
        view.setSelectedRange(location, length);
        typed ? view.insertText(typed) : view.deleteBackward();
        EXPECT_EQ(view.text(), expected);
        EXPECT_EQ(view.insertionPoint(), insertionPoint);
        MXHeadlessTextDocumentProxy proxy;
        proxy.setDocument(initial);
        proxy.setSelectedRange(location, length);
        typed ? proxy.insertText(typed) : proxy.deleteBackward();
        EXPECT_EQ(proxy.document(), expected);
        EXPECT_EQ(proxy.documentContextBeforeInput()->size(), insertionPoint);
    }
}

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
