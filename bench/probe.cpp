// probe: starts one program on the current X display and measures it.
//
//   probe [--idle-wait S] [--idle S] [--sound MONITOR] [--mark] [--start-only] [--log FILE]
//         -- PROGRAM [ARGS...]
//
// Prints "key value" lines on stdout, times in milliseconds:
//   mapped_ms, frame_ms   exec to the window being mapped / to its first painted frame
//                         (--start-only ends the program after these two)
//   rss_kb, threads       VmRSS and thread count after --idle-wait seconds (default 2)
//   cpu_pct, wakeups_ps   CPU (% of one core) and context switches per second over --idle seconds
//   sound_first_ms, sound_later_ms   (--sound) click on "Easy" to the cue's onset on MONITOR;
//                                    the first click of the run, then two more
//   mark_first_ms, mark_later_ms     (--mark) click on the centre cell to the X on screen
// A figure that could not be taken prints as "-" with the reason on stderr. Anything that stops
// the run (no window, the program died) is an error: exit status 1.
//
// Timing: everything is CLOCK_MONOTONIC in this one process. Frames are seen through the DAMAGE
// extension on the root window, which reports every drawing operation on the screen, so the
// first damage inside the program's window after its MapNotify is its first painted frame. The
// recorder (parec) writes to a pipe that this process reads. The null sink renders in real time,
// so sample n was rendered at start + n / rate; "start" is the earliest that the arrivals allow
// (the least arrival time less the duration of everything read until then), which a chunk that
// arrives late, because parec or this process was slow to run, cannot push back.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

// Where things are in Gridora's 435x347 client area, in pixels. The board's user scale is
// (-20, 0)-(200, 200), so the centre cell (75..125 both ways) spans x 188..286, y 130..216 and
// its X is drawn around (237, 173).
constexpr int easyX = 48, easyY = 32;     // "Easy", inside (16..80, 24..41)
constexpr int startX = 384, startY = 28;  // "Start ", inside (344..425, 8..49)
constexpr int cellClickX = 197, cellClickY = 173;
constexpr int markX = 237, markY = 173;
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool overlaps(const Rect& o) const
    {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};
constexpr Rect centreCell{188, 130, 99, 87};

constexpr int sampleRate = 48000;
constexpr int blockSamples = sampleRate / 1000;       // onset is found in 1 ms blocks
const double loudRms = 32768.0 * std::pow(10.0, -40.0 / 20.0); // -40 dBFS

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

pid_t program = -1;  // also its process group
pid_t recorder = -1;
volatile sig_atomic_t interrupted = 0; // the signal that asked us to stop
volatile sig_atomic_t interruptedBy = 0; // and who sent it

// Ends a process we started: SIGTERM, up to 3 s of grace, then SIGKILL.
void stop(pid_t& pid, bool group)
{
    if (pid <= 0)
        return;
    kill(group ? -pid : pid, SIGTERM);
    const double deadline = nowMs() + 3000;
    int status;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (nowMs() > deadline) {
            kill(group ? -pid : pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        usleep(10000);
    }
    if (group)
        kill(-pid, SIGKILL); // anything the program left behind in its group
    pid = -1;
}

void cleanup()
{
    stop(recorder, false);
    stop(program, true);
}

[[noreturn]] void fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::fputs("probe: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
    cleanup();
    std::exit(1);
}

void report(const char* key, double value, int decimals = 1)
{
    std::printf("%s %.*f\n", key, decimals, value);
    std::fflush(stdout);
}

void reportMissing(const char* key, const char* why)
{
    std::printf("%s -\n", key);
    std::fflush(stdout);
    std::fprintf(stderr, "probe: %s: %s\n", key, why);
}

// ---- /proc ----------------------------------------------------------------------------------

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long statusField(const std::string& status, const std::string& key)
{
    const auto at = status.find("\n" + key + ":");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + key.size() + 2);
}

struct Usage {
    double cpuSeconds = 0;
    long switches = 0;
    int threads = 0;
};

Usage usageOf(pid_t pid)
{
    Usage u;
    // utime and stime are fields 14 and 15; the command name before them may hold spaces.
    const std::string stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        fail("cannot read /proc/%d/stat", pid);
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stoul(field);
        if (i == 15)
            stime = std::stoul(field);
    }
    u.cpuSeconds = double(utime + stime) / sysconf(_SC_CLK_TCK);

    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(taskDir.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string status = "\n" + readFile(taskDir + "/" + entry->d_name + "/status");
            const long v = statusField(status, "voluntary_ctxt_switches");
            const long n = statusField(status, "nonvoluntary_ctxt_switches");
            if (v >= 0 && n >= 0) {
                u.switches += v + n;
                ++u.threads;
            }
        }
        closedir(dir);
    }
    return u;
}

// ---- the display --------------------------------------------------------------------------

Display* dpy = nullptr;
Window root = 0;
int damageEventBase = 0;

struct TopLevel {
    Rect rect;
    bool overrideRedirect = false;
};
std::map<Window, TopLevel> topLevels;
Window window = 0;     // the program's window: the first ordinary top-level one mapped
Rect windowRect;
double mappedAt = -1;
double firstFrameAt = -1;
std::vector<std::pair<double, Rect>> damage; // since the last clear, in screen coordinates

int ignoreXErrors(Display*, XErrorEvent* e)
{
    // Windows come and go while we watch; a request about one that is already gone is harmless.
    if (e->error_code != BadWindow && e->error_code != BadDrawable && e->error_code != BadMatch) {
        char text[256];
        XGetErrorText(dpy, e->error_code, text, sizeof text);
        std::fprintf(stderr, "probe: X error: %s\n", text);
    }
    return 0;
}

void openDisplay()
{
    dpy = XOpenDisplay(nullptr);
    if (!dpy)
        fail("cannot open display %s", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(unset)");
    XSetErrorHandler(ignoreXErrors);
    root = DefaultRootWindow(dpy);
    int damageErrorBase, major, minor;
    if (!XDamageQueryExtension(dpy, &damageEventBase, &damageErrorBase))
        fail("the display has no DAMAGE extension");
    XDamageQueryVersion(dpy, &major, &minor);
    int xtestEvent, xtestError;
    if (!XTestQueryExtension(dpy, &xtestEvent, &xtestError, &major, &minor))
        fail("the display has no XTEST extension");
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XDamageCreate(dpy, root, XDamageReportRawRectangles);
    XSync(dpy, False);
}

void handle(const XEvent& e, double at)
{
    switch (e.type) {
    case CreateNotify:
        if (e.xcreatewindow.parent == root)
            topLevels[e.xcreatewindow.window] = {{e.xcreatewindow.x, e.xcreatewindow.y,
                                                  e.xcreatewindow.width, e.xcreatewindow.height},
                                                 bool(e.xcreatewindow.override_redirect)};
        break;
    case ConfigureNotify: {
        auto it = topLevels.find(e.xconfigure.window);
        if (it != topLevels.end()) {
            it->second.rect = {e.xconfigure.x, e.xconfigure.y, e.xconfigure.width, e.xconfigure.height};
            if (e.xconfigure.window == window)
                windowRect = it->second.rect;
        }
        break;
    }
    case MapNotify: {
        auto it = topLevels.find(e.xmap.window);
        if (!window && it != topLevels.end() && !it->second.overrideRedirect
            && it->second.rect.w >= 32 && it->second.rect.h >= 32) {
            window = e.xmap.window;
            windowRect = it->second.rect;
            mappedAt = at;
        }
        break;
    }
    case DestroyNotify:
        topLevels.erase(e.xdestroywindow.window);
        break;
    default:
        if (e.type == damageEventBase + XDamageNotify) {
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
            const Rect r{d.area.x, d.area.y, d.area.width, d.area.height};
            if (window && firstFrameAt < 0 && r.overlaps(windowRect))
                firstFrameAt = at;
            damage.emplace_back(at, r);
        }
    }
}

// ---- the recorder ---------------------------------------------------------------------------

int audioFd = -1;
long long samplesIn = 0;     // samples read so far
long long lastLoudEnd = -1;  // end of the last block above the threshold
long long listenFrom = -1;   // blocks that end after this sample may be the onset
double onsetAt = -1;
double streamStart = 1e300; // when sample 0 was rendered, as closely as the arrivals tell
std::vector<int16_t> pending;  // samples of the block being filled
unsigned char oddByte = 0;
bool haveOddByte = false;

void startRecorder(const std::string& monitor)
{
    int fds[2];
    if (pipe(fds) != 0)
        fail("pipe: %s", std::strerror(errno));
    recorder = fork();
    if (recorder < 0)
        fail("fork: %s", std::strerror(errno));
    if (recorder == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        const std::string device = "--device=" + monitor;
        execlp("parec", "parec", device.c_str(), "--latency-msec=5", "--format=s16le",
               "--channels=1", "--rate=48000", "--raw", static_cast<char*>(nullptr));
        std::perror("probe: parec");
        _exit(127);
    }
    close(fds[1]);
    audioFd = fds[0];
    fcntl(audioFd, F_SETFL, O_NONBLOCK);
}

void readAudio()
{
    unsigned char buffer[65536];
    const ssize_t n = read(audioFd, buffer, sizeof buffer);
    const double at = nowMs();
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
        fail("the recorder stopped");
    if (n <= 0)
        return;
    std::vector<int16_t> samples;
    size_t i = 0;
    if (haveOddByte) {
        samples.push_back(int16_t(oddByte | (buffer[0] << 8)));
        i = 1;
    }
    for (; i + 1 < size_t(n); i += 2)
        samples.push_back(int16_t(buffer[i] | (buffer[i + 1] << 8)));
    haveOddByte = i < size_t(n);
    if (haveOddByte)
        oddByte = buffer[i];

    const long long readEnd = samplesIn + static_cast<long long>(samples.size());
    streamStart = std::min(streamStart, at - double(readEnd) * 1000.0 / sampleRate);
    for (int16_t s : samples) {
        pending.push_back(s);
        ++samplesIn;
        if (pending.size() < size_t(blockSamples))
            continue;
        double sum = 0;
        for (int16_t p : pending)
            sum += double(p) * p;
        pending.clear();
        if (std::sqrt(sum / blockSamples) < loudRms)
            continue;
        lastLoudEnd = samplesIn;
        const long long blockStart = samplesIn - blockSamples;
        if (listenFrom >= 0 && onsetAt < 0 && samplesIn > listenFrom)
            onsetAt = streamStart + double(blockStart) * 1000.0 / sampleRate;
    }
}

// ---- waiting --------------------------------------------------------------------------------

void checkProgram()
{
    if (interrupted)
        fail("stopped by signal %d from process %d", int(interrupted), int(interruptedBy));
    int status;
    if (program > 0 && waitpid(program, &status, WNOHANG) == program) {
        program = -1;
        if (WIFEXITED(status))
            fail("the program exited with status %d", WEXITSTATUS(status));
        fail("the program was killed by signal %d", WTERMSIG(status));
    }
}

// Handles X events and recorder output until done() holds or the deadline passes; returns
// whether done() held. done() is also asked every pollMs, for checks that no event announces.
bool pumpUntil(double deadline, const std::function<bool()>& done, double pollMs = 50)
{
    for (;;) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            handle(e, nowMs());
        }
        if (done())
            return true;
        checkProgram();
        const double left = deadline - nowMs();
        if (left <= 0)
            return false;
        pollfd fds[2] = {{ConnectionNumber(dpy), POLLIN, 0}, {audioFd, POLLIN, 0}};
        const double wait = std::min(left, pollMs);
        timespec timeout{time_t(wait / 1000), long(std::fmod(wait, 1000.0) * 1e6)};
        ppoll(fds, audioFd >= 0 ? 2 : 1, &timeout, nullptr);
        if (audioFd >= 0 && (fds[1].revents & (POLLIN | POLLHUP)))
            readAudio();
    }
}

void idleFor(double ms)
{
    pumpUntil(nowMs() + ms, [] { return false; });
}

// ---- input and pixels -----------------------------------------------------------------------

void windowOrigin(int& x, int& y)
{
    Window child;
    if (!XTranslateCoordinates(dpy, window, root, 0, 0, &x, &y, &child))
        fail("cannot find the window on the screen");
}

void pointTo(int clientX, int clientY)
{
    int x, y;
    windowOrigin(x, y);
    XTestFakeMotionEvent(dpy, -1, x + clientX, y + clientY, CurrentTime);
    XFlush(dpy);
}

// Press and release at once, where the pointer is.
void click()
{
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
}

// The share of full scale of one channel of a pixel, 0..1.
double channel(unsigned long pixel, unsigned long mask)
{
    if (!mask)
        return 0;
    while (!(mask & 1)) {
        mask >>= 1;
        pixel >>= 1;
    }
    return double(pixel & mask) / double(mask);
}

// Whether any pixel within 2 px of a client point is bright: part of a white mark.
bool brightAround(int clientX, int clientY)
{
    int x, y;
    windowOrigin(x, y);
    XImage* image = XGetImage(dpy, root, x + clientX - 2, y + clientY - 2, 5, 5, AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool bright = false;
    for (int j = 0; j < 5; ++j) {
        for (int i = 0; i < 5; ++i) {
            const unsigned long p = XGetPixel(image, i, j);
            bright = bright
                || (channel(p, image->red_mask) > 0.5 && channel(p, image->green_mask) > 0.5
                    && channel(p, image->blue_mask) > 0.5);
        }
    }
    XDestroyImage(image);
    return bright;
}

// ---- the figures ----------------------------------------------------------------------------

void measureSound(const std::string& monitor)
{
    startRecorder(monitor);
    if (!pumpUntil(nowMs() + 5000, [] { return samplesIn >= sampleRate / 5; }))
        fail("no audio from parec on %s within 5 s", monitor.c_str());

    pointTo(easyX, easyY);
    idleFor(100);
    for (int n = 0; n < 3; ++n) {
        const char* key = n == 0 ? "sound_first_ms" : "sound_later_ms";
        // Start from 150 ms of silence, so the last cue's tail cannot pass for this one's onset.
        const bool quiet = pumpUntil(nowMs() + 3000, [] {
            return samplesIn - std::max(lastLoudEnd, 0LL) >= sampleRate * 15 / 100;
        });
        if (!quiet)
            fail("the monitor never fell silent (is something else playing on it?)");
        listenFrom = samplesIn;
        onsetAt = -1;
        const double clickedAt = nowMs();
        click();
        const bool heard = pumpUntil(clickedAt + 2000, [] { return onsetAt >= 0; }, 5);
        listenFrom = -1;
        if (heard)
            report(key, onsetAt - clickedAt);
        else
            reportMissing(key, "no cue above -40 dBFS within 2 s of the click");
    }
    stop(recorder, false);
    close(audioFd);
    audioFd = -1;
}

// Presses "Start ", then clicks the centre cell and times the X appearing there.
void measureMark(const char* key)
{
    pointTo(startX, startY);
    idleFor(50);
    click();
    idleFor(400);
    if (brightAround(markX, markY)) {
        reportMissing(key, "the centre cell is not empty after \"Start \"");
        return;
    }
    pointTo(cellClickX, cellClickY);
    idleFor(100);

    int x, y;
    windowOrigin(x, y);
    const Rect cell{x + centreCell.x, y + centreCell.y, centreCell.w, centreCell.h};
    damage.clear();
    size_t seen = 0;
    double markedAt = -1;
    const double clickedAt = nowMs();
    click();
    // Damage in the cell says when to look; a 2 ms poll of the pixels backs it up.
    pumpUntil(clickedAt + 2000, [&] {
        double when = -1;
        for (; seen < damage.size(); ++seen)
            if (when < 0 && damage[seen].second.overlaps(cell))
                when = damage[seen].first;
        if (!brightAround(markX, markY))
            return false;
        markedAt = when >= 0 ? when : nowMs();
        return true;
    }, 2);
    if (markedAt < 0)
        reportMissing(key, "no X in the centre cell within 2 s of the click");
    else
        report(key, markedAt - clickedAt);
}

void usage()
{
    std::fprintf(stderr, "usage: probe [--idle-wait S] [--idle S] [--sound MONITOR] [--mark] "
                         "[--start-only] [--log FILE] -- PROGRAM [ARGS...]\n");
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    double idleWait = 2, idle = 10;
    std::string monitor, log = "/dev/null";
    bool mark = false, startOnly = false;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&] {
            if (i + 1 >= argc)
                usage();
            return std::string(argv[++i]);
        };
        if (a == "--")
            break;
        if (a == "--idle-wait")
            idleWait = std::stod(value());
        else if (a == "--idle")
            idle = std::stod(value());
        else if (a == "--sound")
            monitor = value();
        else if (a == "--mark")
            mark = true;
        else if (a == "--start-only")
            startOnly = true;
        else if (a == "--log")
            log = value();
        else
            usage();
    }
    if (++i >= argc)
        usage();
    char** command = argv + i;

    struct sigaction action = {};
    action.sa_flags = SA_SIGINFO;
    action.sa_sigaction = [](int signal, siginfo_t* info, void*) {
        interrupted = signal;
        interruptedBy = info->si_pid;
    };
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    openDisplay();
    const int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (logFd < 0)
        fail("cannot open %s: %s", log.c_str(), std::strerror(errno));

    // Everything the display has to say before the start is not the program's doing.
    while (XPending(dpy)) {
        XEvent e;
        XNextEvent(dpy, &e);
        handle(e, nowMs());
    }
    damage.clear();

    const double startedAt = nowMs();
    program = fork();
    if (program < 0)
        fail("fork: %s", std::strerror(errno));
    if (program == 0) {
        setpgid(0, 0);
        dup2(logFd, 1);
        dup2(logFd, 2);
        close(ConnectionNumber(dpy));
        execvp(command[0], command);
        std::fprintf(stderr, "probe: cannot run %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    setpgid(program, program);
    close(logFd);

    if (!pumpUntil(startedAt + 30000, [] { return firstFrameAt >= 0; }))
        fail(window ? "the window was mapped but nothing was painted in it within 30 s"
                    : "no window was mapped within 30 s");
    report("mapped_ms", mappedAt - startedAt);
    report("frame_ms", firstFrameAt - startedAt);
    if (startOnly) {
        cleanup();
        return 0;
    }

    idleFor(firstFrameAt + idleWait * 1000 - nowMs());
    const Usage before = usageOf(program);
    const long rss = statusField("\n" + readFile("/proc/" + std::to_string(program) + "/status"), "VmRSS");
    report("rss_kb", double(rss), 0);
    report("threads", before.threads, 0);
    const double idleFrom = nowMs();
    idleFor(idle * 1000);
    const Usage after = usageOf(program);
    const double seconds = (nowMs() - idleFrom) / 1000;
    report("cpu_pct", 100 * (after.cpuSeconds - before.cpuSeconds) / seconds, 2);
    report("wakeups_ps", double(after.switches - before.switches) / seconds, 1);

    if (!monitor.empty())
        measureSound(monitor);
    if (mark) {
        measureMark("mark_first_ms");
        measureMark("mark_later_ms");
    }
    cleanup();
    return 0;
}
