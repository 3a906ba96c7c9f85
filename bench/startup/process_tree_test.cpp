#include "process_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fstream>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace zorimex::bench {
namespace {

bool Contains(const std::vector<pid_t>& pids, pid_t pid) {
    return std::find(pids.begin(), pids.end(), pid) != pids.end();
}

// A child that starts a grandchild; both wait until killed. The grandchild's pid comes back
// through a pipe.
struct Family {
    pid_t child = -1;
    pid_t grandchild = -1;

    Family() {
        int channel[2];
        if (pipe(channel) != 0)
            return;
        child = fork();
        if (child == 0) {
            const pid_t grand = fork();
            if (grand == 0) {
                pause();
                _exit(0);
            }
            (void)!write(channel[1], &grand, sizeof grand);
            pause();
            _exit(0);
        }
        (void)!read(channel[0], &grandchild, sizeof grandchild);
        close(channel[0]);
        close(channel[1]);
    }
    ~Family() {
        if (child > 0) {
            ::kill(grandchild, SIGKILL);
            ::kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    }
};

TEST(ProcessTree, HoldsTheRootAndEveryDescendantButNotTheParent) {
    Family family;
    ASSERT_GT(family.grandchild, 0);
    const auto tree = ProcessTree(family.child);
    ASSERT_FALSE(tree.empty());
    EXPECT_EQ(tree.front(), family.child);
    EXPECT_TRUE(Contains(tree, family.grandchild));
    EXPECT_FALSE(Contains(tree, getpid()));
    EXPECT_EQ(tree.size(), 2u);
}

// Running, not gone and not a zombie waiting to be reaped.
bool Alive(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    const auto close = line.rfind(')');
    const char state = close + 2 < line.size() ? line[close + 2] : 'X';
    return state != 'Z' && state != 'X';
}

TEST(ProcessTree, SignalTreeReachesTheGrandchildToo) {
    Family family;
    ASSERT_GT(family.grandchild, 0);
    ASSERT_TRUE(Alive(family.grandchild));
    SignalTree(family.child, SIGKILL);
    // SIGKILL is delivered asynchronously: give both a moment to die.
    for (int i = 0; i < 200 && (Alive(family.grandchild) || Alive(family.child)); ++i)
        usleep(10'000);
    EXPECT_FALSE(Alive(family.grandchild));
    EXPECT_FALSE(Alive(family.child));
}

TEST(ProcessTree, IsEmptyForAProcessThatIsGone) {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(ProcessTree(child).empty());
    EXPECT_EQ(ResidentKiB(child), 0);
}

TEST(ProcessMemory, ResidentSetGrowsWithTouchedMemoryAndProportionalStaysBelowIt) {
    const long before = ResidentKiB(getpid());
    EXPECT_GT(before, 0);
    constexpr std::size_t kBytes = 32u << 20;
    auto block = std::make_unique<char[]>(kBytes);
    std::memset(block.get(), 1, kBytes);
    const long after = ResidentKiB(getpid());
    EXPECT_GE(after - before, 30'000) << "VmRSS " << before << " -> " << after;
    const long proportional = ProportionalKiB(getpid());
    EXPECT_GT(proportional, 30'000);
    EXPECT_LE(proportional, after);
    EXPECT_EQ(block[kBytes - 1], 1);
}

struct LibraryCase {
    const char* name;
    std::vector<std::string> patterns;
    bool expectLibc;
    bool expectAny;
};

class MappedLibrariesTest : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(MappedLibrariesTest, ReportsBaseNamesOfMatchingMappingsOnce) {
    const auto& c = GetParam();
    const auto found = MappedLibraries(getpid(), c.patterns);
    EXPECT_EQ(!found.empty(), c.expectAny);
    const bool libc = std::any_of(found.begin(), found.end(),
                                  [](const std::string& n) { return n.rfind("libc.so", 0) == 0; });
    EXPECT_EQ(libc, c.expectLibc);
    for (const auto& name : found)
        EXPECT_EQ(name.find('/'), std::string::npos) << name;
    EXPECT_TRUE(std::adjacent_find(found.begin(), found.end()) == found.end());
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, MappedLibrariesTest,
    ::testing::Values(LibraryCase{"libc_by_name", {"libc.so"}, true, true},
                      LibraryCase{"absent_library", {"libQt6WebEngineCore"}, false, false},
                      LibraryCase{"any_of_several", {"no-such-lib", "libstdc++"}, false, true},
                      LibraryCase{"no_patterns", {}, false, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CommandName, IsTheShortNameOfTheProcess) {
    const std::string name = CommandName(getpid());
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 15u);
    EXPECT_EQ(std::string("process_tree_test").rfind(name, 0), 0u) << name;
}

} // namespace
} // namespace zorimex::bench
