#include "WindowWatch.h"

#include <X11/Xutil.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <stdexcept>
#include <thread>

#include "window/form/FormLayout.h"

namespace bench {

namespace {

// Short enough to add little to a figure in milliseconds, long enough not to
// keep the X server busy answering polls while the program draws.
constexpr auto kPollInterval = std::chrono::microseconds(200);
constexpr int kConnectAttempts = 20;
constexpr auto kExitTimeout = std::chrono::seconds(10);
constexpr int kDarkSum = 3 * 96;  // r + g + b below this reads as text

std::string Utf8Title(Display* display, ::Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) != Success)
        return {};
    std::string title = data ? std::string(reinterpret_cast<char*>(data), count) : std::string();
    if (data) XFree(data);
    return title;
}

struct Rgb {
    int r, g, b;
};

Rgb Split(unsigned long pixel) {
    return {static_cast<int>((pixel >> 16) & 0xff), static_cast<int>((pixel >> 8) & 0xff),
            static_cast<int>(pixel & 0xff)};
}

bool IsBack(unsigned long pixel) {
    const Rgb c = Split(pixel);
    const form::Rgb& back = form::kWindowProps.back;
    return c.r == back.r && c.g == back.g && c.b == back.b;
}

bool IsDark(unsigned long pixel) {
    const Rgb c = Split(pixel);
    return c.r + c.g + c.b < kDarkSum;
}

form::PixelRect WholeWindow(Display* display, ::Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    return {0, 0, attributes.width, attributes.height};
}

bool LooksPainted(const Connection& x, ::Window window) {
    if (!IsBack(Grab(x, window, {2, 2, 1, 1}).front())) return false;
    const std::vector<unsigned long> all = Grab(x, window, WholeWindow(x.Get(), window));
    return std::any_of(all.begin(), all.end(), IsDark);
}

}  // namespace

// Other programs starting X servers on the same machine can leave the display
// briefly unreachable, so a failed connection is tried again a few times. The
// connection is always made before the clock starts.
Connection::Connection() : display_(XOpenDisplay(nullptr)) {
    for (int attempt = 1; !display_ && attempt < kConnectAttempts; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        display_ = XOpenDisplay(nullptr);
    }
    if (!display_) throw std::runtime_error("cannot open the X display");
}

Connection::~Connection() { XCloseDisplay(display_); }

void WatchTopLevels(const Connection& x) {
    XSelectInput(x.Get(), x.Root(), SubstructureNotifyMask);
    XSync(x.Get(), False);
}

pid_t Spawn(const std::string& program) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) throw std::runtime_error("cannot start " + program);
    return pid;
}

::Window WaitForMapped(const Connection& x, const std::string& title, Clock::time_point deadline) {
    Display* display = x.Get();
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event{};
            XNextEvent(display, &event);
            if (event.type == MapNotify && Utf8Title(display, event.xmap.window) == title)
                return event.xmap.window;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return 0;
}

bool WaitPainted(const Connection& x, ::Window window, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        if (LooksPainted(x, window)) return true;
        std::this_thread::sleep_for(kPollInterval);
    }
    return false;
}

long CloseAndReap(const Connection& x, ::Window window, pid_t pid) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x.Get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x.Get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x.Get(), window, False, NoEventMask, &event);
    XSync(x.Get(), False);

    const auto deadline = Clock::now() + kExitTimeout;
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

std::vector<unsigned long> Grab(const Connection& x, ::Window window, form::PixelRect r) {
    XImage* image = XGetImage(x.Get(), window, r.x, r.y, static_cast<unsigned>(r.w),
                              static_cast<unsigned>(r.h), AllPlanes, ZPixmap);
    if (!image) throw std::runtime_error("cannot read the window's pixels");
    std::vector<unsigned long> pixels;
    pixels.reserve(static_cast<std::size_t>(r.w) * static_cast<std::size_t>(r.h));
    for (int row = 0; row < r.h; ++row)
        for (int col = 0; col < r.w; ++col) pixels.push_back(XGetPixel(image, col, row));
    XDestroyImage(image);
    return pixels;
}

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

}  // namespace bench
