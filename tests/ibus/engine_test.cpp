// The engine in a real ibus-daemon (with_ibus_daemon.sh starts it): keys sent by an
// application's input context, and what reaches its document and its display.
#include <gtest/gtest.h>

#include <memory>

#include "tests/support/ibus_test_client.h"
#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/settings/MXUserDefaults.h"

namespace {

class IBusEngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ibus_init();
        bus_ = ibus_bus_new();
        ASSERT_TRUE(IBusTestClient::waitFor([] { return ibus_bus_is_connected(bus_); })) << "no ibus-daemon";
        ASSERT_TRUE(IBusTestClient::selectEngine(bus_));
    }
    static void TearDownTestSuite() { g_clear_object(&bus_); }

    static std::unique_ptr<IBusTestClient> focusedClient(bool surroundingText = true) {
        auto client = std::make_unique<IBusTestClient>(bus_, surroundingText);
        EXPECT_TRUE(client->focus()) << "the calculator engine did not start";
        return client;
    }

    static IBusBus* bus_;
};

IBusBus* IBusEngineTest::bus_ = nullptr;

std::string joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) all += (all.empty() ? "" : "|") + part;
    return all;
}

// The application's capabilities and the engine's properties default to the usual ones.
struct KeysCase {
    const char* keys;
    const char* output;
    const char* document;
    const char* auxiliary = "";
    const char* preedit = "";
    bool surroundingText = true;
    bool canType = true;
    bool radians = false;
    int precision = 11;
};

// Output: commits, "<del>" a deletion through the surrounding text, "<BackSpace>" a
// forwarded BackSpace, "<pass:Key>" a key the engine left to the application.
const KeysCase kKeysCases[] = {
    {.keys = "2+3 ", .output = "5", .document = "5", .canType = false},
    {.keys = "2*4", .output = "", .document = "", .auxiliary = "2*4 = 8", .preedit = "2*4", .canType = false},
    {.keys = "9/2{Return}", .output = "4.5|\n", .document = "4.5\n", .canType = false},
    {.keys = "hi 2/3 ", .output = "h|i| |2|/|3| = 0.67", .document = "hi 2/3 = 0.67", .precision = 2},
    {.keys = "2+35{BackSpace}", .output = "2|+|3|5|<del>", .document = "2+3", .auxiliary = "2+3 = 5"},
    {.keys = "2+35{BackSpace} ", .output = "2|+|3|5|<BackSpace>| = 5", .document = "2+3 = 5", .surroundingText = false},
    {.keys = "2 {BackSpace}", .output = "2| = 2|<pass:BackSpace>", .document = "2 = "},
    {.keys = "sin(30 ", .output = "s|i|n|<del>|<del>|<del>|sind(|3|0|)| = 0.5", .document = "sind(30) = 0.5"},
    {.keys = "cos(0)", .output = "c|o|s|(|0|)", .document = "cos(0)", .auxiliary = "cos(0) = 1", .radians = true},
    {.keys = "2{C-c}{Escape}3", .output = "2|<pass:C-c>|<pass:Escape>|3", .document = "23", .auxiliary = "23 = 23"},
    // A cursor key, the focus leaving and the application's reset each empty the expression.
    {.keys = "2+3{Left}4*{focus}5-{reset}6 ", .output = "2|+|3|<pass:Left>|4|*|5|-|6| = 6",
     .document = "2+34*5-6 = 6"},
    {.keys = "hi{Return}2+3{Return}", .output = "h|i|<pass:Return>|2|+|3| = 5|\n", .document = "hi\n2+3 = 5\n"},
};

TEST_F(IBusEngineTest, KeysReachDocumentAndDisplay) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    for (const KeysCase& row : kKeysCases) {
        SCOPED_TRACE(row.keys);
        auto client = focusedClient(row.surroundingText);
        client->activateProperty("mxcalc.radians", row.radians);
        client->activateProperty("mxcalc.type-into-application", row.canType);
        client->activateProperty("mxcalc.precision." + std::to_string(row.precision), true);
        ASSERT_TRUE(client->type(row.keys));
        EXPECT_EQ(joined(client->output()), row.output);
        EXPECT_EQ(client->document(), row.document);
        EXPECT_EQ(client->auxiliary(), row.auxiliary);
        EXPECT_EQ(client->preedit(), row.preedit);
        EXPECT_EQ(store.integerForKey(KeyboardKeySaveCanType), row.canType ? 1 : 0);
        EXPECT_EQ(store.integerForKey(KeyboardKeySaveINTMAX), row.precision);
    }
}

TEST_F(IBusEngineTest, ContextsKeepTheirOwnExpressions) {
    auto first = focusedClient();
    auto second = std::make_unique<IBusTestClient>(bus_, true);
    ASSERT_TRUE(first->type("2+3"));
    ASSERT_TRUE(second->focus());
    ASSERT_TRUE(second->type("4 "));
    EXPECT_EQ(second->document(), "4 = 4");
    EXPECT_EQ(first->document(), "2+3");
    ASSERT_TRUE(first->focus());
    ASSERT_TRUE(first->type("5 "));
    EXPECT_EQ(first->document(), "2+35 = 5") << "a fresh expression after the focus change";
}

}  // namespace
