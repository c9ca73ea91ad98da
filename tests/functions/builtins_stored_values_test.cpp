// varx and nthroot with the settings they read and write.
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <set>
#include <string>

#include "keyboard/KeyboardStoredValues.h"
#include "platform/settings/MXUserDefaults.h"
#include "tests/support/builtin_evaluation.h"
#include "tests/support/temporary_folder.h"

namespace {

using namespace builtins_test;

const std::u16string kVariableKey = u"varXvalue";
const std::u16string kImaginaryKey = u"intIMAGINARY";

MXUserDefaults sharedStore() { return MXUserDefaults(MXAppGroupIdentifier); }

// Every test gets empty stores in a folder of its own, which its evaluators keep their
// stored values in as the keyboard and mxcalc do.
class StoredValues : public TemporarySettingsFolder {
protected:
    StoredValues() { storedValuesOfEvaluators() = std::make_shared<KeyboardStoredValues>(); }
    ~StoredValues() override { storedValuesOfEvaluators().reset(); }

    static double varx() {
        const auto outcome = evaluate(u"varx()");
        return outcome.value ? outcome.value->doubleValue() : notANumber;
    }
};

// A text, its value (none: it fails) and the imaginary flag it leaves.
struct FlagStep {
    const char16_t* text;
    std::optional<double> value;
    int64_t flag;
};

// nthroot takes the index 2 when it is absent or 0; of a negative number it roots the magnitude
// and raises the flag, which sqrt and a failing radicand leave alone.
TEST_F(StoredValues, NthrootRaisesTheFlagForANegativeNumberInBothPrecisions) {
    const FlagStep steps[] = {
        {u"nthroot(4)", 2, 0},   {u"nthroot(-8;3)", 2, 1}, {u"sqrt(4)", 2, 1},     {u"sqrt(-4;2)", notANumber, 1},
        {u"nthroot($x;3)", {}, 1}, {u"nthroot(8;3)", 2, 0}, {u"nthroot(-0.25)", 0.5, 1}, {u"nthroot(0)", 0, 0},
        {u"nthroot(16;0)", 4, 0}, {u"nthroot(16;-2)", 0.25, 0},
    };
    const MXUserDefaults& store = MXUserDefaults::standardUserDefaults();
    for (const bool precise : {false, true}) {
        for (const FlagStep& step : steps) {
            SCOPED_TRACE(utf8(step.text) + (precise ? " (decimal)" : ""));
            const Outcome outcome = evaluate(step.text, precise);
            ASSERT_EQ(outcome.value.has_value(), step.value.has_value());
            if (step.value) expectDouble(outcome.value->doubleValue(), *step.value);
            EXPECT_EQ(store.integerForKey(kImaginaryKey), step.flag);
        }
    }
}

// One byte through a pipe, for taking turns with the child process.
bool passTurn(int fd) {
    const char byte = 1;
    return write(fd, &byte, 1) == 1;
}

bool await(int fd) {
    char byte = 0;
    return read(fd, &byte, 1) == 1;
}

constexpr int kTurns = 20;
constexpr int kFreeWrites = 300;
constexpr double kLastValue = -1;

// The child writes through the settings stores as the containing application would.
[[noreturn]] void writeFromChild(int toParent, int fromParent) {
    const MXUserDefaults store = sharedStore();
    bool written = true;
    for (int turn = 1; turn <= kTurns; ++turn) {
        written = store.setDouble(turn, kVariableKey) && written;
        if (!passTurn(toParent) || !await(fromParent)) _exit(2);
    }
    for (int value = kTurns + 1; value <= kTurns + kFreeWrites; ++value) {
        written = store.setDouble(value, kVariableKey) && written;
    }
    written = store.setDouble(kLastValue, kVariableKey) && written;
    _exit(written ? 0 : 1);
}

TEST_F(StoredValues, VarxSeesWhatAnotherProcessWrites) {
    int toParent[2];
    int fromParent[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(fromParent), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) writeFromChild(toParent[1], fromParent[0]);
    close(toParent[1]);
    close(fromParent[0]);

    // Taking turns: each value written is the next one read.
    for (int turn = 1; turn <= kTurns; ++turn) {
        ASSERT_TRUE(await(toParent[0]));
        EXPECT_EQ(varx(), turn);
        ASSERT_TRUE(passTurn(fromParent[1]));
    }
    // Running side by side: every read is a value that was written, until the last one.
    std::set<double> seen;
    int status = 0;
    bool childDone = false;
    while (!seen.count(kLastValue) && !childDone) {
        childDone = waitpid(child, &status, WNOHANG) == child;
        const double value = varx();
        EXPECT_TRUE(value == kLastValue || (value >= kTurns && value <= kTurns + kFreeWrites)) << value;
        seen.insert(value);
    }
    if (!childDone) {
        ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    close(toParent[0]);
    close(fromParent[1]);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(varx(), kLastValue);
}

}  // namespace
