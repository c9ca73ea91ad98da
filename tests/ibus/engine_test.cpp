// The engine in a real ibus-daemon (with_ibus_daemon.sh starts it): keys sent by an
// application's input context, and what reaches its document and its display.
#include <gtest/gtest.h>

#include <memory>

#include "ibus_test_client.h"
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

struct KeysCase {
    const char* name;
    bool surroundingText;
    bool canType;
    bool radians;
    int precision;
    const char* keys;
    const char* output;
    const char* document;
    const char* auxiliary;
    const char* preedit;
};

// Output: commits, "<del>" a deletion through the surrounding text, "<BackSpace>" a
// forwarded BackSpace, "<pass:Key>" a key the engine left to the application.
const KeysCase kKeysCases[] = {
    {"typing into the host off", true, false, false, 11, "2+3 ", "5", "5", "", ""},
    {"off: expression as preedit", true, false, false, 11, "2*4", "", "", "2*4 = 8", "2*4"},
    {"word, space, sum", true, true, false, 11, "hi 2+3 ", "h|i| |2|+|3| = 5", "hi 2+3 = 5", "", ""},
    {"backspace by surrounding text", true, true, false, 11, "2+35{BackSpace}", "2|+|3|5|<del>", "2+3", "2+3 = 5",
     ""},
    {"backspace forwarded", false, true, false, 11, "2+35{BackSpace} ", "2|+|3|5|<BackSpace>| = 5", "2+3 = 5", "",
     ""},
    {"backspace without expression", true, true, false, 11, "2 {BackSpace}", "2| = 2|<pass:BackSpace>", "2 = ", "",
     ""},
    {"sin( in degrees", true, true, false, 11, "sin(30 ", "s|i|n|<del>|<del>|<del>|sind(|3|0|)| = 0.5",
     "sind(30) = 0.5", "", ""},
    {"cos( in radians", true, true, true, 11, "cos(0)", "c|o|s|(|0|)", "cos(0)", "cos(0) = 1", ""},
    {"precision", true, true, false, 2, "2/3 ", "2|/|3| = 0.67", "2/3 = 0.67", "", ""},
    {"Control and Escape pass", true, true, false, 11, "2{C-c}{Escape}3", "2|<pass:C-c>|<pass:Escape>|3", "23",
     "23 = 23", ""},
    {"cursor key empties", true, true, false, 11, "2+3{Left}4 ", "2|+|3|<pass:Left>|4| = 4", "2+34 = 4", "", ""},
    {"focus and reset empty", true, true, false, 11, "2+{focus}3*{reset}4 ", "2|+|3|*|4| = 4", "2+3*4 = 4", "", ""},
    {"return", true, true, false, 11, "hi{Return}2+3{Return}", "h|i|<pass:Return>|2|+|3| = 5|\n",
     "hi\n2+3 = 5\n", "", ""},
};

TEST_F(IBusEngineTest, KeysReachDocumentAndDisplay) {
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    for (const KeysCase& row : kKeysCases) {
        SCOPED_TRACE(row.name);
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
