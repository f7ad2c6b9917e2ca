#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TempFolder.h"

namespace {

using testing_support::ScopedEnv;
using testing_support::TempFolder;

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstReleases) {
    TempFolder runtime;
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.Path().string());
    platform::InstanceLock first;
    platform::InstanceLock second;
    ASSERT_TRUE(first.Acquire("LockTest"));
    EXPECT_FALSE(second.Acquire("LockTest"));
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_TRUE(second.Acquire("LockTest"));
}

TEST(InstanceLock, LockOfAProcessThatDiedIsTakenOver) {
    TempFolder runtime;
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.Path().string());
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child takes the lock and dies without releasing it.
        platform::InstanceLock lock;
        ::_exit(lock.Acquire("LockTest") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the child could not take the lock";
    ASSERT_TRUE(std::filesystem::exists(runtime.Path() / "LockTest.lock"));
    platform::InstanceLock lock;
    EXPECT_TRUE(lock.Acquire("LockTest"));
}

TEST(InstanceLock, DifferentNamesDoNotInterfere) {
    TempFolder runtime;
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.Path().string());
    platform::InstanceLock a;
    platform::InstanceLock b;
    EXPECT_TRUE(a.Acquire("LockTest.A"));
    EXPECT_TRUE(b.Acquire("LockTest.B"));
}

}  // namespace
