// Starts a program on the X server named by DISPLAY and prints one line: the milliseconds from
// the start until a top-level window of that program with the given title is mapped, and the
// program's resident memory in KiB once it has gone idle. Then it ends the program.
//
// Usage: bench_startup_probe TITLE PROGRAM [ARGUMENTS...]
//
// The map is taken from the X server's own notification, so nothing polls while the program
// starts; windows with another title (a message box before the main window) do not count.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int MapTimeoutMs = 30000;
// Idle: no CPU time gained over this span, sampled every IdleSampleMs, and never before
// MinIdleWaitMs after the map (the first paint and the event backlog come after it).
constexpr int MinIdleWaitMs = 1000;
constexpr int IdleSpanMs = 500;
constexpr int IdleSampleMs = 100;
constexpr int IdleTimeoutMs = 10000;
constexpr int ExitTimeoutMs = 5000;

double NowMs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}

void SleepMs(int ms)
{
    timespec span { ms / 1000, static_cast<long>(ms % 1000) * 1000000L };
    while (nanosleep(&span, &span) != 0 && errno == EINTR) { }
}

// A property of the window as its raw bytes, or nothing when it is missing or not of the
// given type and format.
std::string WindowProperty(
    Display *display, Window window, Atom property, Atom type, int format, long maxItems)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    std::string bytes;
    if (XGetWindowProperty(display, window, property, 0, maxItems, False, type, &actualType,
            &actualFormat, &count, &after, &data)
            == Success
        && data && actualType == type && actualFormat == format) {
        // Format 32 arrives as an array of long, whatever the width of long.
        const size_t itemBytes = format == 32 ? sizeof(long) : static_cast<size_t>(format / 8);
        bytes.assign(reinterpret_cast<const char *>(data), count * itemBytes);
    }
    if (data)
        XFree(data);
    return bytes;
}

// The window's title as the program set it: the UTF-8 name first, the legacy name otherwise.
std::string WindowTitle(Display *display, Window window)
{
    std::string title = WindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
        XInternAtom(display, "UTF8_STRING", False), 8, 4096);
    if (!title.empty())
        return title;
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// The process that says it owns the window, or 0 when it does not say.
long WindowPid(Display *display, Window window)
{
    const std::string bytes = WindowProperty(
        display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, 1);
    long pid = 0;
    if (bytes.size() == sizeof pid)
        std::memcpy(&pid, bytes.data(), sizeof pid);
    return pid;
}

// Any X error (a window that vanished between the notification and the query) is not fatal.
int IgnoreXError(Display *, XErrorEvent *)
{
    return 0;
}

// CPU time (user + system) in clock ticks, or -1 once the process is gone.
long long CpuTicks(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/stat";
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return -1;
    char buffer[1024] = {};
    const size_t length = std::fread(buffer, 1, sizeof buffer - 1, file);
    std::fclose(file);
    buffer[length] = '\0';
    // The command name in parentheses may hold blanks; the fields start after its last ')'.
    const char *fields = std::strrchr(buffer, ')');
    if (!fields)
        return -1;
    long long utime = 0;
    long long stime = 0;
    // Fields 3 to 13 come before utime (14) and stime (15).
    if (std::sscanf(
            fields + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lld %lld", &utime, &stime)
        != 2)
        return -1;
    return utime + stime;
}

long ResidentKiB(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *file = std::fopen(path.c_str(), "r");
    if (!file)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, file)) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    }
    std::fclose(file);
    return kib;
}

bool Exited(pid_t pid, int *status)
{
    return waitpid(pid, status, WNOHANG) == pid;
}

void EndProgram(pid_t pid)
{
    int status = 0;
    kill(pid, SIGTERM);
    for (int waited = 0; waited < ExitTimeoutMs; waited += 20) {
        if (Exited(pid, &status))
            return;
        SleepMs(20);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display '%s'\n", std::getenv("DISPLAY"));
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    const int connection = XConnectionNumber(display);
    fcntl(connection, F_SETFD, FD_CLOEXEC);
    const Window root = XDefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // The selection is in force before the program exists, so no map can be missed.
    XSync(display, False);

    const double started = NowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        // Our stdout carries the result; the program's goes to our stderr.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "cannot start %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }

    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    // Mapped windows of the program whose title did not match (yet).
    std::set<Window> others;
    double mapped = -1;
    int status = 0;
    auto matches = [&](Window window) {
        const long owner = WindowPid(display, window);
        return (owner == 0 || owner == pid) && WindowTitle(display, window) == wanted;
    };
    while (mapped < 0) {
        if (Exited(pid, &status)) {
            std::fprintf(stderr, "%s ended before a window titled '%s' was mapped (%s %d)\n",
                argv[2], wanted.c_str(), WIFEXITED(status) ? "exit code" : "signal",
                WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
            return 1;
        }
        if (NowMs() - started > MapTimeoutMs) {
            std::fprintf(stderr, "no window titled '%s' was mapped within %d ms\n", wanted.c_str(),
                MapTimeoutMs);
            EndProgram(pid);
            return 1;
        }
        if (XPending(display) == 0) {
            pollfd fd { connection, POLLIN, 0 };
            poll(&fd, 1, 20);
            if (XPending(display) == 0)
                continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = NowMs();
        if (event.type == MapNotify && event.xmap.event == root) {
            const Window window = event.xmap.window;
            if (matches(window)) {
                mapped = at;
            } else {
                // A title set after the map still counts from the moment it is set.
                others.insert(window);
                XSelectInput(display, window, PropertyChangeMask);
                std::fprintf(stderr, "another window was mapped first: '%s'\n",
                    WindowTitle(display, window).c_str());
            }
        } else if (event.type == UnmapNotify && event.xunmap.event == root) {
            others.erase(event.xunmap.window);
        } else if (event.type == PropertyNotify && others.count(event.xproperty.window)
            && (event.xproperty.atom == netName || event.xproperty.atom == XA_WM_NAME)) {
            if (matches(event.xproperty.window))
                mapped = at;
        }
    }
    XCloseDisplay(display);

    const double idleFrom = mapped + MinIdleWaitMs;
    while (NowMs() < idleFrom)
        SleepMs(IdleSampleMs);
    long long ticks = CpuTicks(pid);
    double quietSince = NowMs();
    while (NowMs() - quietSince < IdleSpanMs) {
        if (NowMs() - mapped > IdleTimeoutMs) {
            std::fprintf(stderr, "%s did not go idle within %d ms; resident memory taken anyway\n",
                argv[2], IdleTimeoutMs);
            break;
        }
        SleepMs(IdleSampleMs);
        const long long now = CpuTicks(pid);
        if (now < 0)
            break;
        if (now != ticks) {
            ticks = now;
            quietSince = NowMs();
        }
    }
    const long rss = ResidentKiB(pid);
    if (rss < 0 || Exited(pid, &status)) {
        std::fprintf(stderr, "%s ended before its resident memory was taken\n", argv[2]);
        return 1;
    }
    EndProgram(pid);
    std::printf("%.1f %ld\n", mapped - started, rss);
    return 0;
}
