// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of Velnora against a minimal Qt Widgets program,
// on the offscreen platform and on an X server (Xvfb, started here), and of
// Velnora in Gujarati against Velnora in English: loading a translation must not
// slow the start.
//
// Offscreen, each program runs as a probe copy (its own main() plus
// first_show_probe.cpp) that reports the moment its first window has been
// exposed and painted, and ends there. On X the real programs run unchanged; the
// harness watches the root window and stops the clock when the program maps its
// first window, then kills it. Start-up is measured from just before fork() to
// that moment; peak memory is the child's ru_maxrss from wait4(). Runs of the
// programs alternate, every child gets the same fresh HOME (and a runtime folder
// in memory), and the medians are reported with their ratio.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
    double mib;
};

struct Program {
    const char* name;
    const char* probe;     // offscreen
    const char* real;      // on X
    const char* language;  // LANGUAGE for the child
};

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs the program; its warnings (the offscreen platform's notes on size hints)
// would only bury the figures.
[[noreturn]] void Exec(const char* path, const char* platform, const char* language) {
    setenv("QT_QPA_PLATFORM", platform, 1);
    setenv("LANGUAGE", language, 1);
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) dup2(quiet, 2);
    execl(path, path, static_cast<char*>(nullptr));
    std::perror(path);
    _exit(127);
}

double PeakMiB(pid_t pid, bool* ok) {
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) *ok = false;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::optional<Sample> RunProbe(const Program& program) {
    int channel[2];
    if (pipe(channel) != 0) return std::nullopt;
    const long long start = MonotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        dup2(channel[1], 3);
        Exec(program.probe, "offscreen", program.language);
    }
    close(channel[1]);
    char line[64] = {};
    size_t used = 0;
    ssize_t got = 0;
    while (used < sizeof line - 1 &&
           (got = read(channel[0], line + used, sizeof line - 1 - used)) > 0)
        used += static_cast<size_t>(got);
    close(channel[0]);
    bool ok = pid > 0;
    const double mib = PeakMiB(pid, &ok);
    const long long shown = std::atoll(line);
    if (!ok || shown <= start) return std::nullopt;
    return Sample{static_cast<double>(shown - start) / 1e6, mib};
}

std::optional<Sample> RunOnX(const Program& program, xcb_connection_t* x) {
    const long long start = MonotonicNs();
    const pid_t pid = fork();
    if (pid == 0) Exec(program.real, "xcb", program.language);
    std::optional<long long> mapped;
    pollfd watch{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!mapped && MonotonicNs() - start < 20'000'000'000LL) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) mapped = MonotonicNs();
            std::free(event);
        }
        if (!mapped) poll(&watch, 1, 5);
    }
    kill(pid, SIGKILL);
    bool ok = pid > 0;
    const double mib = PeakMiB(pid, &ok);
    if (!ok || !mapped) return std::nullopt;
    return Sample{static_cast<double>(*mapped - start) / 1e6, mib};
}

// A private X server; DISPLAY points at it until it is stopped.
class Xvfb {
public:
    Xvfb() {
        int channel[2];
        if (pipe(channel) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(channel[0]);
            const std::string fd = std::to_string(channel[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(channel[1]);
        // Xvfb writes the number and the line end separately; closing the pipe
        // before the line end arrives makes it give up.
        char number[16] = {};
        size_t got = 0;
        while (got < sizeof number - 1 && (got == 0 || number[got - 1] != '\n')) {
            const ssize_t n = read(channel[0], number + got, sizeof number - 1 - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        close(channel[0]);
        if (got == 0 || number[got - 1] != '\n') return;
        display_ = ":" + std::to_string(std::atoi(number));
        setenv("DISPLAY", display_.c_str(), 1);
    }
    ~Xvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    bool running() const { return !display_.empty(); }

private:
    pid_t pid_ = -1;
    std::string display_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The medians of the minimal program, Velnora in English and Velnora in Gujarati.
constexpr int kPrograms = 3;
struct Medians {
    double ms[kPrograms], mib[kPrograms];
};

template <typename Run>
std::optional<Medians> Measure(const Program (&programs)[kPrograms], int runs, Run run) {
    std::vector<double> ms[kPrograms], mib[kPrograms];
    for (int i = -1; i < runs; ++i) {  // run -1 warms the page cache and the settings
        for (int p = 0; p < kPrograms; ++p) {
            const std::optional<Sample> sample = run(programs[p]);
            if (!sample) {
                std::fprintf(stderr, "%s did not show its window\n", programs[p].name);
                return std::nullopt;
            }
            if (i < 0) continue;
            ms[p].push_back(sample->ms);
            mib[p].push_back(sample->mib);
        }
    }
    Medians m{};
    for (int p = 0; p < kPrograms; ++p) {
        m.ms[p] = Median(ms[p]);
        m.mib[p] = Median(mib[p]);
    }
    return m;
}

void Report(const char* platform, const Medians& m) {
    std::printf("%-10s start-up %7.1f ms vs %7.1f ms  ratio %.2f (target <= 1.30)\n", platform,
                m.ms[1], m.ms[0], m.ms[1] / m.ms[0]);
    std::printf("%-10s memory   %7.1f MiB vs %6.1f MiB ratio %.2f (target <= 1.20)\n", platform,
                m.mib[1], m.mib[0], m.mib[1] / m.mib[0]);
    std::printf(
        "%-10s Gujarati %7.1f ms vs %7.1f ms English, ratio %.3f (target <= 1.05); "
        "%.1f MiB\n",
        platform, m.ms[2], m.ms[1], m.ms[2] / m.ms[1], m.mib[2]);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0) runs = std::max(1, std::atoi(argv[i] + 7));
    }
    const Program programs[kPrograms] = {
        {"minimal program", VELNORA_MINIMAL_PROBE, VELNORA_MINIMAL, "en"},
        {"velnora", VELNORA_PROBE, VELNORA_PROGRAM, "en"},
        {"velnora in Gujarati", VELNORA_PROBE, VELNORA_PROGRAM, "gu"},
    };

    // Every child starts as a first-time user with nothing running.
    char home[] = "/tmp/velnora-startup-XXXXXX";
    if (!mkdtemp(home)) return 1;
    // The runtime folder is in memory, as a session's /run/user/UID is: the lock
    // file there costs no flush to disk (on a disk each start would pay two, as
    // the probe that ended the start before leaves its lock behind). Without
    // /dev/shm it sits beside HOME.
    char memory[] = "/dev/shm/velnora-startup-run-XXXXXX";
    std::string runtime = mkdtemp(memory) ? memory : std::string(home) + "/run";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("HOME", home, 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    signal(SIGPIPE, SIG_IGN);

    std::printf(
        "Velnora vs a minimal Qt Widgets window: median of %d starts each, warm page "
        "cache;\nstart-up = fork to main window first shown, memory = peak resident set\n",
        runs);
    int status = 0;
    if (const auto m = Measure(programs, runs, [](const Program& p) { return RunProbe(p); })) {
        Report("offscreen", *m);
    } else {
        status = 1;
    }

    Xvfb server;
    xcb_connection_t* x = server.running() ? xcb_connect(nullptr, nullptr) : nullptr;
    if (!x || xcb_connection_has_error(x)) {
        std::printf("xvfb       not measured: Xvfb could not be started\n");
    } else {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(x);
        if (const auto m =
                Measure(programs, runs, [x](const Program& p) { return RunOnX(p, x); })) {
            Report("xvfb", *m);
        } else {
            status = 1;
        }
        xcb_disconnect(x);
    }
    std::filesystem::remove_all(runtime);
    std::filesystem::remove_all(home);
    return status;
}
