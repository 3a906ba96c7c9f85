#include "process_tree.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace zorimex::bench {
namespace {

// The parent pid from /proc/<pid>/stat; the command name in field 2 may hold spaces and
// parentheses, so the fields are counted after its last ')'.
pid_t ParentOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return -1;
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(line.substr(close + 1));
    std::string state;
    long parent = -1;
    rest >> state >> parent;
    return static_cast<pid_t>(parent);
}

std::map<pid_t, std::vector<pid_t>> ChildrenByParent() {
    std::map<pid_t, std::vector<pid_t>> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit))
            continue;
        const auto pid = static_cast<pid_t>(std::strtol(name.c_str(), nullptr, 10));
        const pid_t parent = ParentOf(pid);
        if (parent > 0)
            children[parent].push_back(pid);
    }
    return children;
}

} // namespace

std::vector<pid_t> ProcessTree(pid_t root) {
    if (ParentOf(root) < 0)
        return {};
    const auto children = ChildrenByParent();
    std::vector<pid_t> tree{root};
    for (std::size_t next = 0; next < tree.size(); ++next) {
        const auto found = children.find(tree[next]);
        if (found != children.end())
            tree.insert(tree.end(), found->second.begin(), found->second.end());
    }
    return tree;
}

namespace {

long KiBField(const std::string& file, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    return 0;
}

} // namespace

long ResidentKiB(pid_t pid) {
    return KiBField("/proc/" + std::to_string(pid) + "/status", "VmRSS:");
}

long ProportionalKiB(pid_t pid) {
    return KiBField("/proc/" + std::to_string(pid) + "/smaps_rollup", "Pss:");
}

std::string CommandName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::vector<std::string> MappedLibraries(pid_t pid, const std::vector<std::string>& patterns) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> found;
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.rfind('/');
        if (slash == std::string::npos)
            continue;
        const std::string base = line.substr(slash + 1);
        for (const auto& pattern : patterns)
            if (base.find(pattern) != std::string::npos)
                found.insert(base);
    }
    return {found.begin(), found.end()};
}

void SignalTree(pid_t root, int signal) {
    auto tree = ProcessTree(root);
    std::reverse(tree.begin(), tree.end());
    for (const pid_t pid : tree)
        ::kill(pid, signal);
}

} // namespace zorimex::bench
