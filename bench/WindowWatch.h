#pragma once

// Starting a program on the X display, watching its window appear and get
// painted, and closing it again, the way the benchmarks need it. The display
// is assumed to be 24-bit TrueColor with no window manager, as the benchmark
// run's own Xvfb is.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "window/form/FormLayout.h"

namespace bench {

using Clock = std::chrono::steady_clock;

// One connection to the display, closed when it goes out of scope.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    [[nodiscard]] Display* Get() const { return display_; }
    [[nodiscard]] ::Window Root() const { return DefaultRootWindow(display_); }

private:
    Display* display_;
};

// Starts the program with the environment of this process; call it only
// after WatchTopLevels, so that its window's mapping cannot be missed.
pid_t Spawn(const std::string& program);
void WatchTopLevels(const Connection& x);

// The first top-level window mapped with this title, or 0 after the deadline.
::Window WaitForMapped(const Connection& x, const std::string& title, Clock::time_point deadline);

// True once the window shows the form's back colour in its top left corner
// and some dark pixel (text) somewhere: both only come with the program's
// first paint, whatever the window showed before it.
bool WaitPainted(const Connection& x, ::Window window, Clock::time_point deadline);

// Asks the window to close as a window manager would, waits for the program
// to end and returns its peak resident memory in KiB, or -1 if it had to be
// killed or failed.
long CloseAndReap(const Connection& x, ::Window window, pid_t pid);

// The pixels of a rectangle of the window, for telling whether it changed.
std::vector<unsigned long> Grab(const Connection& x, ::Window window, form::PixelRect r);

double MillisecondsBetween(Clock::time_point from, Clock::time_point to);
double Median(std::vector<double> values);

}  // namespace bench
