// The whole program on an X server of the benchmark's own, as its user feels it: from the
// release of a back stroke (its drags already seen) to the first key the focused window
// receives; resident memory after
// start and after 1,000 strokes; CPU time and wake-ups while nothing happens.
#include <benchmark/benchmark.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/x11/display.h"
#include "platform/x11/pointer_grab.h"
#include "x11/xvfb_server.h"

namespace {

using namespace velmor;
using namespace std::chrono_literals;

// The program running on the server with a home folder of its own; killed at the end.
class Velmor {
public:
    explicit Velmor(const std::string& display) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmor-bench-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        home_ = pattern;
        pid_ = fork();
        if (pid_ == 0) {
            setenv("HOME", home_.c_str(), 1);
            setenv("DISPLAY", display.c_str(), 1);
            if (freopen("/dev/null", "w", stderr) == nullptr) {
                _exit(126);
            }
            execl(VELMOR_PROGRAM, VELMOR_PROGRAM, nullptr);
            _exit(127);
        }
    }
    ~Velmor() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }
    Velmor(const Velmor&) = delete;
    Velmor& operator=(const Velmor&) = delete;

    pid_t pid() const { return pid_; }

    // A line of /proc/PID/status, as a number (kB for memory, a count for switches).
    long status(const std::string& field) const { return statusOf(pid_, field); }

    // Voluntary context switches of every thread: how often the process woke up.
    long wakeUps() const {
        long total = 0;
        const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
            total += statusOf(std::stoi(task.path().filename().string()), "voluntary_ctxt_switches",
                              "/proc/" + std::to_string(pid_) + "/task/");
        }
        return total;
    }

    // CPU time of every thread in nanoseconds, from the scheduler's own accounting.
    std::uint64_t cpuNanoseconds() const {
        std::uint64_t total = 0;
        const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
            std::ifstream schedstat(task.path() / "schedstat");
            std::uint64_t onCpu = 0;
            schedstat >> onCpu;
            total += onCpu;
        }
        return total;
    }

    void printThreads() const {
        const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
            std::ifstream comm(task.path() / "comm");
            std::string name;
            std::getline(comm, name);
            std::ifstream schedstat(task.path() / "schedstat");
            std::uint64_t onCpu = 0;
            schedstat >> onCpu;
            std::fprintf(
                stderr, "%s %s cpu=%llu switches=%ld\n", task.path().filename().c_str(),
                name.c_str(), static_cast<unsigned long long>(onCpu),
                statusOf(std::stoi(task.path().filename().string()), "voluntary_ctxt_switches",
                         "/proc/" + std::to_string(pid_) + "/task/"));
        }
    }

    // User and system CPU time in clock ticks.
    long cpuTicks() const {
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), {});
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        long utime = 0;
        long stime = 0;
        for (int i = 3; i <= 15 && fields >> field; ++i) {
            if (i == 14) {
                utime = std::stol(field);
            } else if (i == 15) {
                stime = std::stol(field);
            }
        }
        return utime + stime;
    }

private:
    static long statusOf(pid_t pid, const std::string& field,
                         const std::string& folder = "/proc/") {
        std::ifstream status(folder + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind(field + ":", 0) == 0) {
                return std::stol(line.substr(field.size() + 1));
            }
        }
        return -1;
    }

    std::filesystem::path home_;
    pid_t pid_ = -1;
};

// The user's side: a focused window that receives the keys, and XTest for the mouse.
class Desk {
public:
    explicit Desk(const std::string& name) : display_(x11::Display::open(name)) {
        if (!display_) {
            return;
        }
        ::Display* d = display_->get();
        window_ = XCreateSimpleWindow(d, display_->root(), 0, 0, 800, 600, 0, 0, 0);
        XSelectInput(d, window_, KeyPressMask | StructureNotifyMask);
        becomeFrontBrowser(d);
        XMapWindow(d, window_);
        XSync(d, False);
        XSetInputFocus(d, window_, RevertToParent, CurrentTime);
        XSync(d, False);
    }

    bool ready() const { return display_.has_value(); }

    // Whether some program holds the right button.
    bool rightButtonTaken() {
        x11::PointerGrab probe(*display_);
        if (probe.grab()) {
            probe.release();
            return false;
        }
        return true;
    }

    // A stroke to the left; returns once the release is on its way to the server.
    void strokeLeft() {
        drawLeft();
        release();
    }

    // The press and the drags of a stroke to the left, without the release.
    void drawLeft() {
        ::Display* d = display_->get();
        XTestFakeMotionEvent(d, -1, 600, 300, CurrentTime);
        XTestFakeButtonEvent(d, 3, True, CurrentTime);
        for (int x = 580; x >= 400; x -= 20) {
            XTestFakeMotionEvent(d, -1, x, 300, CurrentTime);
        }
        XSync(d, False);
    }

    void release() {
        ::Display* d = display_->get();
        XTestFakeButtonEvent(d, 3, False, CurrentTime);
        XFlush(d);
    }

    // A stroke of many small drags far from any gesture: down and to the right and back,
    // ending where it began, so that it is given back as a right click.
    void longStroke(int drags) {
        ::Display* d = display_->get();
        XTestFakeMotionEvent(d, -1, 300, 300, CurrentTime);
        XTestFakeButtonEvent(d, 3, True, CurrentTime);
        for (int i = 1; i <= drags; ++i) {
            const int step = i <= drags / 2 ? i : drags - i;
            XTestFakeMotionEvent(d, -1, 300 + 2 * step, 300 + step, CurrentTime);
            XSync(d, False);  // as a hand moves: one event at a time
        }
        XTestFakeButtonEvent(d, 3, False, CurrentTime);
        XSync(d, False);
    }

    // Waits for the next key press in the window; false when none came in time.
    bool keyArrives() {
        return keyPressArrives([](KeySym) { return true; });
    }

    // Waits for the key of a shortcut, past the modifiers pressed before it: a stroke that
    // starts sooner would overtake the program's answer to the one before.
    bool shortcutArrives() {
        return keyPressArrives([](KeySym sym) { return IsModifierKey(sym) == 0; });
    }

    // Lets the rest of a stroke's keys arrive and forgets them.
    void drain() {
        std::this_thread::sleep_for(20ms);
        ::Display* d = display_->get();
        XSync(d, False);
        while (XPending(d) > 0) {
            XEvent event;
            XNextEvent(d, &event);
        }
    }

private:
    template <typename Wanted>
    bool keyPressArrives(Wanted wanted) {
        ::Display* d = display_->get();
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::chrono::steady_clock::now() < deadline) {
            while (XPending(d) > 0) {
                XEvent event;
                XNextEvent(d, &event);
                if (event.type == KeyPress && wanted(XLookupKeysym(&event.xkey, 0))) {
                    return true;
                }
            }
            pollfd readable{display_->fileDescriptor(), POLLIN, 0};
            ::poll(&readable, 1, 100);
        }
        return false;
    }

    // No window manager runs here, so the window says itself what one would: it is a
    // browser with a title, it is active, and which process owns it.
    void becomeFrontBrowser(::Display* d) {
        XClassHint hint{const_cast<char*>("navigator"), const_cast<char*>("Firefox")};
        XSetClassHint(d, window_, &hint);
        const long pid = getpid();
        XChangeProperty(d, window_, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
        const std::string title = "Mozilla Firefox";
        XChangeProperty(d, window_, XInternAtom(d, "_NET_WM_NAME", False),
                        XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()),
                        static_cast<int>(title.size()));
        const long active = static_cast<long>(window_);
        XChangeProperty(d, display_->root(), XInternAtom(d, "_NET_ACTIVE_WINDOW", False), XA_WINDOW,
                        32, PropModeReplace, reinterpret_cast<const unsigned char*>(&active), 1);
    }

    std::optional<x11::Display> display_;
    Window window_ = 0;
};

bool waitForTheTap(Desk& desk) {
    for (int i = 0; i < 2000; ++i) {
        if (desk.rightButtonTaken()) {
            return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

// A server, the user's window and the program with its tap taken.
struct Stage {
    bench::Server server;
    Desk desk{server.name()};
    Velmor velmor{server.name()};

    bool ready(benchmark::State& state) {
        if (server.name().empty() || !desk.ready() || !waitForTheTap(desk)) {
            state.SkipWithError("the program did not start on Xvfb");
            return false;
        }
        return true;
    }
};

void BM_BackStrokeReleaseToFirstKey(benchmark::State& state) {
    Stage stage;
    if (!stage.ready(state)) {
        return;
    }
    Desk& desk = stage.desk;
    std::vector<double> seconds;
    for (auto _ : state) {
        desk.drain();
        desk.drawLeft();
        std::this_thread::sleep_for(20ms);  // the hand stops; the program has seen the drags
        const auto released = std::chrono::steady_clock::now();
        desk.release();
        if (!desk.keyArrives()) {
            state.SkipWithError("no key arrived");
            return;
        }
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - released).count());
        state.SetIterationTime(seconds.back());
    }
    // The mean is at the mercy of one stroke the machine's scheduler happened to hold up.
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_us"] = seconds[seconds.size() / 2] * 1e6;
    state.counters["p90_us"] = seconds[seconds.size() * 9 / 10] * 1e6;
}
BENCHMARK(BM_BackStrokeReleaseToFirstKey)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// What the whole program spends on each drag of a stroke, all its threads together, and how
// often it wakes up for them; the user's clicks given back are part of the strokes' cost.
void BM_WholeProcessCpuPerDrag(benchmark::State& state) {
    Stage stage;
    if (!stage.ready(state)) {
        return;
    }
    constexpr int kStrokes = 200;
    constexpr int kDragsPerStroke = 50;
    Desk& desk = stage.desk;
    const Velmor& velmor = stage.velmor;
    std::uint64_t nanoseconds = 0;
    long wakeUps = 0;
    for (auto _ : state) {
        desk.drain();
        const std::uint64_t cpuBefore = velmor.cpuNanoseconds();
        const long wakeUpsBefore = velmor.wakeUps();
        for (int stroke = 0; stroke < kStrokes; ++stroke) {
            desk.longStroke(kDragsPerStroke);
        }
        desk.drain();
        std::this_thread::sleep_for(200ms);  // the last events reach the program
        nanoseconds += velmor.cpuNanoseconds() - cpuBefore;
        if (std::getenv("VELMOR_BENCH_THREADS") != nullptr) {
            velmor.printThreads();
        }
        wakeUps += velmor.wakeUps() - wakeUpsBefore;
    }
    const double drags = static_cast<double>(state.iterations()) * kStrokes * kDragsPerStroke;
    state.counters["cpu_us_per_drag"] = static_cast<double>(nanoseconds) / 1000.0 / drags;
    state.counters["wakeups_per_drag"] = static_cast<double>(wakeUps) / drags;
}
BENCHMARK(BM_WholeProcessCpuPerDrag)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ResidentMemoryAndIdleCost(benchmark::State& state) {
    Stage stage;
    if (!stage.ready(state)) {
        return;
    }
    Desk& desk = stage.desk;
    const Velmor& velmor = stage.velmor;
    std::this_thread::sleep_for(1s);
    const long startKb = velmor.status("VmRSS");
    int strokesWithoutKey = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            desk.strokeLeft();
            strokesWithoutKey += desk.shortcutArrives() ? 0 : 1;
        }
    }
    desk.drain();
    const long strokesKb = velmor.status("VmRSS");
    const long ticksBefore = velmor.cpuTicks();
    const long wakeUpsBefore = velmor.wakeUps();
    constexpr int kIdleSeconds = 10;
    std::this_thread::sleep_for(std::chrono::seconds(kIdleSeconds));
    const double ticks = static_cast<double>(velmor.cpuTicks() - ticksBefore);
    state.counters["strokes_without_key"] = strokesWithoutKey;
    state.counters["rss_after_start_MB"] = static_cast<double>(startKb) / 1024.0;
    state.counters["rss_after_1000_strokes_MB"] = static_cast<double>(strokesKb) / 1024.0;
    state.counters["idle_cpu_percent"] =
        100.0 * ticks / static_cast<double>(sysconf(_SC_CLK_TCK)) / kIdleSeconds;
    state.counters["idle_wakeups_per_s"] =
        static_cast<double>(velmor.wakeUps() - wakeUpsBefore) / kIdleSeconds;
}
BENCHMARK(BM_ResidentMemoryAndIdleCost)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
