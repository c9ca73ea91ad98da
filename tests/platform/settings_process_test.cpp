// Another process writing the shared store while this one reads and writes it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "platform/settings/MXSettingsConnection.h"
#include "platform/settings/MXUserDefaults.h"
#include "platform/text/MXText.h"
#include "tests/support/file_bytes.h"
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

// A store locked by another process past the wait is busy, and neither read as damaged
// nor changed.
TEST_F(SettingsFromTwoProcesses, StoreLockedByAnotherProcessIsBusyAndUntouched) {
    MXUserDefaults store(MXAppGroupIdentifier);
    ASSERT_TRUE(store.setInteger(7, u"keyboard_install"));
    const std::string before = readFile(store.filePath());
    int locked[2], release[2];
    ASSERT_EQ(pipe(locked), 0);
    ASSERT_EQ(pipe(release), 0);
    pid_t child = runInChild([&] {
        sqlite3* db = nullptr;
        sqlite3_open(store.filePath().c_str(), &db);
        const bool holding = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        char signal = holding ? 'y' : 'n';
        (void)!write(locked[1], &signal, 1);
        (void)!read(release[0], &signal, 1);
        sqlite3_close(db);
        return holding ? 0 : 1;
    });
    ASSERT_GT(child, 0);
    char signal = 0;
    ASSERT_EQ(read(locked[0], &signal, 1), 1);
    ASSERT_EQ(signal, 'y');

    mxcalc::detail::MXSettingsSetBusyWait(std::chrono::milliseconds(20));
    EXPECT_EQ(store.access(), MXSettingsAccess::Busy);
    EXPECT_EQ(store.integerForKey(u"keyboard_install"), 0);
    EXPECT_FALSE(store.setInteger(8, u"keyboard_install"));
    EXPECT_FALSE(store.removeObjectForKey(u"keyboard_install"));
    mxcalc::detail::MXSettingsSetBusyWait(std::chrono::seconds(5));
    EXPECT_EQ(readFile(store.filePath()), before);

    (void)!write(release[1], &signal, 1);
    EXPECT_EQ(exitStatusOf(child), 0);
    EXPECT_EQ(store.access(), MXSettingsAccess::Open);
    EXPECT_EQ(store.integerForKey(u"keyboard_install"), 7);
    for (int end : {locked[0], locked[1], release[0], release[1]}) close(end);
}

}  // namespace
