// Another process writing the shared store while this one reads and writes it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/support/temporary_folder.h"

namespace {

using SettingsFromTwoProcesses = TemporarySettingsFolder;

constexpr int kWrites = 300;

// Runs `work` in a child process; its exit status is the number of failed operations.
template <class Work>
pid_t runInChild(Work work) {
    pid_t pid = fork();
    if (pid == 0) {
        _exit(work());
    }
    return pid;
}

int exitStatusOf(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SettingsFromTwoProcesses, ReadsSeeTheOtherProcessesWritesInOrder) {
    MXUserDefaults store(MXAppGroupIdentifier);
    pid_t child = runInChild([&] {
        int failures = 0;
        for (int64_t value = 1; value <= kWrites; ++value) {
            failures += store.setInteger(value, u"keyboard_install") ? 0 : 1;
        }
        return failures;
    });
    ASSERT_GT(child, 0);

    int64_t last = 0;
    bool decreased = false;
    int status = 0;
    for (bool childEnded = false; !childEnded;) {
        childEnded = waitpid(child, &status, WNOHANG) == child;
        int64_t value = store.integerForKey(u"keyboard_install");
        decreased = decreased || value < last;
        last = std::max(last, value);
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(decreased);
    EXPECT_EQ(last, kWrites);
}

TEST_F(SettingsFromTwoProcesses, ConcurrentWritersLoseNothing) {
    MXUserDefaults store(MXAppGroupIdentifier);
    auto writeKeys = [&](const std::u16string& prefix) {
        int failures = 0;
        for (int i = 0; i < kWrites; ++i) {
            const std::u16string key = prefix + MXIntegerText(i);
            failures += store.setInteger(i, key) ? 0 : 1;
            failures += store.integerForKey(key) == i ? 0 : 1;
        }
        return failures;
    };
    pid_t child = runInChild([&] { return writeKeys(u"child"); });
    ASSERT_GT(child, 0);
    EXPECT_EQ(writeKeys(u"parent"), 0);
    EXPECT_EQ(exitStatusOf(child), 0);
    EXPECT_EQ(store.dictionaryRepresentation().size(), 2u * kWrites);
}

}  // namespace
