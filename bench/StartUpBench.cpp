// How long zeb takes to put its first window on the screen and how much
// memory it holds once started, each beside a bare Qt 6 window measured in
// the same run on the same private X server (Xvfb, started here).
//
// Each program is started in two conditions: as on a student's desktop,
// with a session bus (a private one, started here, the same for all), and
// on the bare X server with none, where Qt's screen-reader bridge starts
// dbus-launch and waits for it at the first accessibility update.
//
// The time runs from fork() to the server's MapNotify of the program's
// first top-level window; beside it, the processor time the program's
// threads had used by then, which a busy machine changes less (a thread
// that has already ended is not counted: zeb's font-configuration loader
// usually has). The memory is the peak resident set once the program has
// settled (the start-up screen gone, the main window up and painted).
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for zeb's start-up screen (at least a second) to give way to
// the main window.
constexpr std::chrono::milliseconds kSettle{1800};
constexpr std::chrono::seconds kMapTimeout{20};

struct Sample {
    double firstWindowMs = 0;
    double cpuMs = 0;
    double peakRssMiB = 0;
};
// By condition, then by program.
std::map<std::string, std::map<std::string, std::vector<Sample>>> samples;

// A session bus of our own, ended with the bench.
class PrivateSessionBus {
  public:
    PrivateSessionBus() {
        int fds[2];
        if (pipe(fds) != 0) return;
        const pid_t launcher = fork();
        if (launcher == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            const std::string address = "--print-address=" + fd, pid = "--print-pid=" + fd;
            execlp("dbus-daemon", "dbus-daemon", "--session", "--fork", address.c_str(),
                   pid.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string out;
        char buffer[256];
        for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
            out.append(buffer, static_cast<std::size_t>(n));
        close(fds[0]);
        waitpid(launcher, nullptr, 0);
        const std::size_t newline = out.find('\n');
        if (newline == std::string::npos) return;
        address_ = out.substr(0, newline);
        daemon_ = std::atoi(out.c_str() + newline + 1);
    }
    ~PrivateSessionBus() {
        if (daemon_ > 0) kill(daemon_, SIGTERM);
    }
    const std::string& address() const { return address_; }

  private:
    std::string address_;
    pid_t daemon_ = -1;
};

class PrivateDisplay {
  public:
    PrivateDisplay() {
        int fds[2];
        if (pipe(fds) != 0) return;
        server_ = fork();
        if (server_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty()) return;
        name_ = ":" + number;
        setenv("DISPLAY", name_.c_str(), 1);
        connection_ = xcb_connect(name_.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        ok_ = true;
    }
    ~PrivateDisplay() {
        if (connection_) xcb_disconnect(connection_);
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
    }
    bool ok() const { return ok_; }

    // Waits until a top-level window is mapped or the deadline passes.
    bool waitForMap(Clock::time_point deadline) {
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                free(event);
                if (mapped) return true;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            pollfd pfd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&pfd, 1, static_cast<int>(left.count()));
        }
    }
    // Drops what came in while the last program ran.
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            free(event);
    }

  private:
    pid_t server_ = -1;
    std::string name_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    bool ok_ = false;
};

PrivateDisplay* display = nullptr;

// The processor time all threads of `pid` have run so far.
double cpuMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return 0;
    double ns = 0;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double running = 0;
        if (stat >> running) ns += running;
    }
    closedir(dir);
    return ns / 1e6;
}

// One start of `program`: the time to its first window and its peak memory.
// An empty `busAddress` starts it without a session bus.
bool startOnce(const char* program, const std::string& busAddress, Sample& sample) {
    display->drain();
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (busAddress.empty())
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
        else
            setenv("DBUS_SESSION_BUS_ADDRESS", busAddress.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const bool mapped = display->waitForMap(start + kMapTimeout);
    const Clock::time_point shown = Clock::now();
    sample.cpuMs = cpuMilliseconds(child);
    // The program's own timers (the start-up screen) run on meanwhile. Its
    // next windows are mapped in that time too: the memory is read only
    // once they have been painted, not at the next map.
    if (mapped)
        while (display->waitForMap(shown + kSettle)) {
        }
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.firstWindowMs = std::chrono::duration<double, std::milli>(shown - start).count();
    sample.peakRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return mapped;
}

void startUp(benchmark::State& state, const std::string& condition, const std::string& busAddress,
             const std::string& name, const char* program) {
    for (auto _ : state) {
        Sample sample;
        if (!startOnce(program, busAddress, sample)) {
            state.SkipWithError("no window was mapped");
            return;
        }
        state.SetIterationTime(sample.firstWindowMs / 1000.0);
        state.counters["peak_RSS_MiB"] = sample.peakRssMiB;
        state.counters["cpu_ms"] = sample.cpuMs;
        samples[condition][name].push_back(sample);
    }
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Medians side by side, each program also as a multiple of the bare window.
void printComparison(const std::string& condition,
                     const std::map<std::string, std::vector<Sample>>& programs) {
    auto medianOf = [](const std::vector<Sample>& runs, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : runs)
            values.push_back(s.*field);
        return median(values);
    };
    const auto bareRuns = programs.find("bare");
    if (bareRuns == programs.end()) return;
    std::printf("\n%s\n%-20s", condition.c_str(), "median of runs");
    for (const auto& [name, runs] : programs)
        std::printf(" %10s %6s", name.c_str(), "x bare");
    for (const auto& [label, field] : {std::pair{"first window (ms)", &Sample::firstWindowMs},
                                       std::pair{"CPU to it (ms)", &Sample::cpuMs},
                                       std::pair{"peak RSS (MiB)", &Sample::peakRssMiB}}) {
        const double bare = medianOf(bareRuns->second, field);
        std::printf("\n%-20s", label);
        for (const auto& [name, runs] : programs) {
            const double value = medianOf(runs, field);
            std::printf(" %10.1f %5.2fx", value, value / bare);
        }
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    PrivateDisplay privateDisplay;
    if (!privateDisplay.ok()) {
        std::fprintf(stderr, "start_up_bench: no Xvfb display\n");
        return 1;
    }
    display = &privateDisplay;
    std::vector<std::pair<std::string, const char*>> programs{{"bare", ZEB_BARE_WINDOW},
                                                              {"zeb", ZEB_PROGRAM}};
    // An earlier build of zeb, to compare a change in the same run.
    if (const char* earlier = std::getenv("ZEB_BENCH_EARLIER"))
        programs.emplace_back("earlier", earlier);
    PrivateSessionBus bus;
    if (bus.address().empty()) std::fprintf(stderr, "start_up_bench: no session bus\n");
    std::vector<std::pair<std::string, std::string>> conditions{{"bare Xvfb (no session bus)", ""}};
    if (!bus.address().empty()) conditions.emplace_back("desktop (session bus)", bus.address());
    for (const auto& [condition, address] : conditions) {
        for (const auto& [name, program] : programs)
            benchmark::RegisterBenchmark(
                ((address.empty() ? "first_window_no_bus/" : "first_window/") + name).c_str(),
                startUp, condition, address, name, program)
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(10)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMillisecond);
    }
    // The two programs' runs interleaved, so that a busy moment of the
    // machine falls on both alike.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [condition, programsRun] : samples)
        printComparison(condition, programsRun);
    return 0;
}
