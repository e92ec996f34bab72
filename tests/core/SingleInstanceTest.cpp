#include "main/settings/SingleInstance.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lotavo;
using namespace lotavo::test;

extern char** environ;

namespace {

// Exit code of a forked child that tries to take the marker: 0 taken, 1 refused.
int tryInChild(const std::string& path)
{
    const pid_t pid = fork();
    if (pid == 0) {
        SingleInstance other(path);
        _exit(other.acquire() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A child that holds the marker until it is killed; returns once it holds it.
pid_t holdInChild(const std::string& path)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        SingleInstance holder(path);
        const char answer = holder.acquire() ? 'y' : 'n';
        (void)!write(ready[1], &answer, 1);
        for (;;)
            pause();
    }
    close(ready[1]);
    char answer = 0;
    (void)!read(ready[0], &answer, 1);
    close(ready[0]);
    return answer == 'y' ? pid : -1;
}

}  // namespace

TEST(SingleInstance, SecondProcessIsRefusedWhileTheFirstHoldsTheMarker)
{
    TempFolder dir;
    SingleInstance first(dir.file("VorixOnly.lock"));
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.held());
    EXPECT_EQ(tryInChild(first.lockPath()), 1);
    first.release();
    EXPECT_FALSE(first.held());
    EXPECT_EQ(tryInChild(first.lockPath()), 0);
}

TEST(SingleInstance, AnotherObjectOfTheSameProcessIsRefusedToo)
{
    TempFolder dir;
    SingleInstance first(dir.file("VorixOnly.lock"));
    SingleInstance second(first.lockPath());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());
}

TEST(SingleInstance, MarkerGoesWithItsObject)
{
    TempFolder dir;
    const std::string path = dir.file("VorixOnly.lock");
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
    }
    SingleInstance next(path);
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, KilledHolderLeavesNoStuckMarker)
{
    TempFolder dir;
    const std::string path = dir.file("VorixOnly.lock");
    const pid_t holder = holdInChild(path);
    ASSERT_GT(holder, 0);
    SingleInstance mine(path);
    EXPECT_FALSE(mine.acquire());
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_TRUE(mine.acquire());
}

TEST(SingleInstance, ProgramsStartedFromTheHolderDoNotInheritTheMarker)
{
    TempFolder dir;
    const std::string path = dir.file("VorixOnly.lock");
    SingleInstance first(path);
    ASSERT_TRUE(first.acquire());
    pid_t sleeper = 0;
    char sleep[] = "sleep", seconds[] = "30";
    char* argv[] = {sleep, seconds, nullptr};
    ASSERT_EQ(posix_spawnp(&sleeper, "sleep", nullptr, nullptr, argv, environ), 0);
    first.release();
    SingleInstance next(path);
    EXPECT_TRUE(next.acquire());
    kill(sleeper, SIGKILL);
    waitpid(sleeper, nullptr, 0);
}

TEST(SingleInstance, UnwritableFolderDoesNotKeepTheProgramOut)
{
    SingleInstance nowhere("/nonexistent-folder/VorixOnly.lock");
    EXPECT_TRUE(nowhere.acquire());
    EXPECT_FALSE(nowhere.held());
}

TEST(SingleInstance, LockFileLivesInTheRuntimeFolder)
{
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
    EXPECT_EQ(SingleInstance::defaultLockPath(), "/run/user/4242/VorixOnly.lock");

    unsetenv("XDG_RUNTIME_DIR");
    const std::string folder = "/tmp/lotavo-" + std::to_string(getuid());
    EXPECT_EQ(SingleInstance::defaultLockPath(), folder + "/VorixOnly.lock");
    struct stat info {};
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, getuid());

    if (saved)
        setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
}
