// Starts one program under an X server with no window manager and reports, on one line of
// key=value pairs, how long its first top-level window took to be mapped and to be painted, what
// the whole process tree holds in memory a while later, and (optionally) when a page it loads
// reported itself loaded. Then it ends the program and everything the program started.
//
// usage: startup_watcher [--settle-ms N] [--map-timeout-ms N] [--wait-file PATH]
//                        [--wait-ms N] [--verbose] -- program [arguments...]
//
// Times are milliseconds since just before the program was started (CLOCK_MONOTONIC). With no
// window manager every top-level window is a child of the root window, so SubstructureNotify on
// the root sees each one being created and mapped. A DAMAGE object is put on every new top-level
// window when it is created, so nothing the program draws right after mapping can be missed; the
// first DamageNotify on the program's window is its first paint (Qt windows have no background
// pixmap, so the server itself draws nothing into them on mapping).
// --wait-file: after the memory reading, wait (up to --wait-ms since the start) for a file holding
// a CLOCK_MONOTONIC time in nanoseconds, written by whoever saw the page load.

#include "process_tree.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using zorimex::bench::CommandName;
using zorimex::bench::MappedLibraries;
using zorimex::bench::ProcessTree;
using zorimex::bench::ProportionalKiB;
using zorimex::bench::ResidentKiB;
using zorimex::bench::SignalTree;

std::int64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

double Ms(std::int64_t ns) {
    return static_cast<double>(ns) / 1e6;
}

struct Options {
    std::int64_t settleNs = 3'000'000'000;
    std::int64_t mapTimeoutNs = 20'000'000'000;
    std::string waitFile;
    std::int64_t waitNs = 30'000'000'000;
    bool verbose = false;
    std::vector<char*> command;
};

[[noreturn]] void Usage() {
    std::fprintf(stderr, "usage: startup_watcher [--settle-ms N] [--map-timeout-ms N] "
                         "[--wait-file PATH] [--wait-ms N] [--verbose] -- program [args...]\n");
    std::exit(2);
}

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    auto millis = [&](std::int64_t& target) {
        if (i + 1 >= argc)
            Usage();
        target = std::strtoll(argv[++i], nullptr, 10) * 1'000'000;
    };
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--settle-ms")
            millis(options.settleNs);
        else if (arg == "--map-timeout-ms")
            millis(options.mapTimeoutNs);
        else if (arg == "--wait-ms")
            millis(options.waitNs);
        else if (arg == "--wait-file" && i + 1 < argc)
            options.waitFile = argv[++i];
        else if (arg == "--verbose")
            options.verbose = true;
        else
            Usage();
    }
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    if (options.command.empty())
        Usage();
    options.command.push_back(nullptr);
    return options;
}

class XWatch {
public:
    bool open() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) {
            std::fprintf(stderr, "startup_watcher: cannot connect to the X server\n");
            return false;
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const auto* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || !damage->present) {
            std::fprintf(stderr, "startup_watcher: the X server has no DAMAGE extension\n");
            return false;
        }
        damageEventBase_ = damage->first_event;
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));

        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            connection_,
            xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask));
        if (error != nullptr) {
            std::free(error);
            std::fprintf(stderr, "startup_watcher: cannot watch the root window\n");
            return false;
        }
        pidAtom_ = internAtom("_NET_WM_PID");
        xcb_flush(connection_);
        return true;
    }

    ~XWatch() {
        if (connection_ != nullptr)
            xcb_disconnect(connection_);
    }

    int fd() const { return xcb_get_file_descriptor(connection_); }

    /// Handles every queued event; `program` is the started process.
    void drain(pid_t program, bool verbose) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const std::int64_t now = NowNs();
            handle(event, now, program, verbose);
            std::free(event);
        }
        xcb_flush(connection_);
    }

    bool broken() const { return xcb_connection_has_error(connection_) != 0; }

    xcb_window_t window = XCB_NONE;
    std::int64_t mappedNs = 0;
    std::int64_t paintedNs = 0;
    bool pidMatched = false;
    int otherWindowsMapped = 0;
    int x = 0, y = 0, width = 0, height = 0;

private:
    xcb_atom_t internAtom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : XCB_NONE;
        std::free(reply);
        return atom;
    }

    std::optional<pid_t> windowPid(xcb_window_t w) {
        auto* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, w, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        std::optional<pid_t> pid;
        if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            pid = static_cast<pid_t>(*static_cast<std::uint32_t*>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    void watchDamage(xcb_window_t w) {
        if (damages_.count(w) != 0)
            return;
        const xcb_damage_damage_t damage = xcb_generate_id(connection_);
        xcb_damage_create(connection_, damage, w, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        damages_[w] = damage;
    }

    void readGeometry(xcb_window_t w) {
        auto* reply =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, w), nullptr);
        if (reply != nullptr) {
            x = reply->x;
            y = reply->y;
            width = reply->width;
            height = reply->height;
        }
        std::free(reply);
    }

    void handle(xcb_generic_event_t* event, std::int64_t now, pid_t program, bool verbose) {
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == 0)
            return; // an error about a window that is already gone
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            if (created->parent == root_)
                watchDamage(created->window);
        } else if (type == XCB_DESTROY_NOTIFY) {
            // The server frees a drawable's damage objects with it.
            damages_.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (mapped->event != root_)
                return;
            const auto pid = windowPid(mapped->window);
            // Read now, not earlier: a window may belong to a helper process started meanwhile.
            const auto tree = ProcessTree(program);
            const bool ours = pid ? std::find(tree.begin(), tree.end(), *pid) != tree.end() : true;
            if (verbose)
                std::fprintf(stderr, "%9.2f map 0x%x pid=%d override=%d\n", Ms(now), mapped->window,
                             pid ? *pid : -1, mapped->override_redirect);
            if (!ours)
                return;
            if (window == XCB_NONE) {
                window = mapped->window;
                mappedNs = now;
                pidMatched = pid.has_value();
                watchDamage(window);
                readGeometry(window);
            } else if (mapped->window != window) {
                ++otherWindowsMapped;
            }
        } else if (type == damageEventBase_ + XCB_DAMAGE_NOTIFY) {
            const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            if (verbose)
                std::fprintf(stderr, "%9.2f damage 0x%x %dx%d+%d+%d\n", Ms(now), damaged->drawable,
                             damaged->area.width, damaged->area.height, damaged->area.x,
                             damaged->area.y);
            if (damaged->drawable == window && window != XCB_NONE && paintedNs == 0)
                paintedNs = now;
            // Empties the damage so that the next drawing reports again.
            xcb_damage_subtract(connection_, damaged->damage, XCB_NONE, XCB_NONE);
        }
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    std::uint8_t damageEventBase_ = 0;
    std::map<xcb_window_t, xcb_damage_damage_t> damages_;
};

std::optional<std::int64_t> ReadLoadedTime(const std::string& path) {
    std::ifstream file(path);
    long long ns = 0;
    if (file >> ns && ns > 0)
        return ns;
    return std::nullopt;
}

std::string Join(const std::vector<std::string>& names) {
    if (names.empty())
        return "-";
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : ",") + name;
    return joined;
}

/// Waits for the program to end, SIGTERM first, then SIGKILL for whatever is left.
void EndTree(pid_t child) {
    SignalTree(child, SIGTERM);
    ::kill(-child, SIGTERM);
    const std::int64_t deadline = NowNs() + 2'000'000'000;
    int status = 0;
    bool reaped = false;
    while (NowNs() < deadline) {
        if (!reaped && waitpid(child, &status, WNOHANG) == child)
            reaped = true;
        if (reaped && ::kill(-child, 0) != 0)
            return;
        usleep(10'000);
    }
    SignalTree(child, SIGKILL);
    ::kill(-child, SIGKILL);
    if (!reaped)
        waitpid(child, &status, 0);
}

} // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    XWatch watch;
    if (!watch.open())
        return 1;

    const std::int64_t start = NowNs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_watcher: fork");
        return 1;
    }
    if (child == 0) {
        // Its own process group, so that everything it starts can be ended together.
        setpgid(0, 0);
        execvp(options->command[0], options->command.data());
        std::fprintf(stderr, "startup_watcher: cannot run %s: %s\n", options->command[0],
                     std::strerror(errno));
        _exit(127);
    }
    setpgid(child, child);

    std::string status = "ok";
    std::optional<std::int64_t> loadedNs;
    long rssKiB = 0, pssKiB = 0;
    int processes = 0, browserProcesses = 0;
    std::vector<std::string> webEngineLibraries, glLibraries, glDriverLibraries;
    bool measured = false;

    while (true) {
        const std::int64_t now = NowNs();
        if (watch.window == XCB_NONE && now - start > options->mapTimeoutNs) {
            status = "no-window";
            break;
        }
        if (watch.window != XCB_NONE && !measured && now >= watch.mappedNs + options->settleNs) {
            const auto pids = ProcessTree(child);
            for (const pid_t pid : pids) {
                rssKiB += ResidentKiB(pid);
                pssKiB += ProportionalKiB(pid);
                if (CommandName(pid).rfind("QtWebEngine", 0) == 0)
                    ++browserProcesses;
            }
            processes = static_cast<int>(pids.size());
            webEngineLibraries = MappedLibraries(child, {"libQt6WebEngine"});
            // Qt Gui links the GL dispatch libraries (libGLX, libEGL, libOpenGL) in every
            // process; an OpenGL context shows as the driver behind them being loaded.
            glLibraries = MappedLibraries(child, {"libGL", "libEGL", "libOpenGL"});
            glDriverLibraries =
                MappedLibraries(child, {"_mesa", "_dri.so", "libglapi", "libgallium"});
            measured = true;
        }
        if (measured) {
            if (options->waitFile.empty())
                break;
            loadedNs = ReadLoadedTime(options->waitFile);
            if (loadedNs || now - start > options->waitNs)
                break;
        }
        int exitStatus = 0;
        if (waitpid(child, &exitStatus, WNOHANG) == child) {
            status = "exited-" + std::to_string(WIFEXITED(exitStatus) ? WEXITSTATUS(exitStatus)
                                                                      : 128 + WTERMSIG(exitStatus));
            watch.drain(child, options->verbose);
            EndTree(child);
            std::printf("status=%s\n", status.c_str());
            return 1;
        }
        pollfd x{watch.fd(), POLLIN, 0};
        poll(&x, 1, 5);
        watch.drain(child, options->verbose);
        if (watch.broken()) {
            status = "x-connection-lost";
            break;
        }
    }
    EndTree(child);

    auto field = [](const char* key, std::int64_t ns) {
        if (ns > 0)
            std::printf(" %s=%.1f", key, Ms(ns));
        else
            std::printf(" %s=-", key);
    };
    std::printf("status=%s", status.c_str());
    field("mapped_ms", watch.mappedNs - start);
    field("painted_ms", watch.paintedNs > 0 ? watch.paintedNs - start : 0);
    if (!options->waitFile.empty())
        field("loaded_ms", loadedNs ? *loadedNs - start : 0);
    std::printf(" rss_kib=%ld pss_kib=%ld processes=%d browser_processes=%d", rssKiB, pssKiB,
                processes, browserProcesses);
    std::printf(" webengine_libs=%s gl_libs=%s gl_driver=%s", Join(webEngineLibraries).c_str(),
                Join(glLibraries).c_str(), Join(glDriverLibraries).c_str());
    std::printf(" window=%d,%d,%dx%d pid_matched=%d other_windows=%d\n", watch.x, watch.y,
                watch.width, watch.height, watch.pidMatched ? 1 : 0, watch.otherWindowsMapped);
    return status == "ok" ? 0 : 1;
}
