#pragma once
// What a started program and everything it started costs, read from /proc.

#include <sys/types.h>

#include <string>
#include <vector>

namespace zorimex::bench {

/// `root` and all its living descendants (root first); empty when root is gone.
std::vector<pid_t> ProcessTree(pid_t root);

/// The resident set of one process in KiB (VmRSS), 0 when it cannot be read.
long ResidentKiB(pid_t pid);

/// The proportional set of one process in KiB (Pss of smaps_rollup: shared pages divided among
/// the processes sharing them), 0 when it cannot be read.
long ProportionalKiB(pid_t pid);

/// The process's command name (/proc/<pid>/comm, at most 15 characters), or "".
std::string CommandName(pid_t pid);

/// The file names of the shared libraries mapped into `pid` whose base name contains one of
/// `patterns`, each once, sorted.
std::vector<std::string> MappedLibraries(pid_t pid, const std::vector<std::string>& patterns);

/// Sends `signal` to every process of the tree, leaves first.
void SignalTree(pid_t root, int signal);

} // namespace zorimex::bench
