// How long a real click on "Провери" takes to show its verdict:
//   click_probe CLICKS QUIZ_PROGRAM
// Each round clears the quiz, picks a pair (right and wrong in turn) with
// clicks, lets the window settle, then presses "Провери" and times from the
// button's release to the message box's pixels changing. Starting every round
// from "Чисти" makes the box really change each time. It prints
// "check right|wrong MEDIAN MAX" in milliseconds.
#include <X11/extensions/XTest.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "WindowWatch.h"
#include "window/form/FormLayout.h"

namespace {

constexpr auto kLaunchTimeout = std::chrono::seconds(20);
constexpr auto kAnswerTimeout = std::chrono::seconds(5);
// Long enough for the window to have drawn everything a click before changed.
constexpr auto kSettle = std::chrono::milliseconds(150);
// About as long as a finger holds a mouse button down.
constexpr auto kHold = std::chrono::milliseconds(60);
constexpr auto kPollInterval = std::chrono::microseconds(100);
// More than a blinking text cursor, far less than a new line of text.
constexpr std::size_t kChangedPixels = 100;
constexpr int kPointInset = 5;

form::PixelRect RectOf(form::ControlId id) { return form::PixelsInWindow(form::At(id)); }

class Pointer {
public:
    Pointer(const bench::Connection& x, ::Window window) : x_(x) {
        ::Window child = 0;
        XTranslateCoordinates(x.Get(), window, x.Root(), 0, 0, &originX_, &originY_, &child);
    }

    // Moves over the control, clear of its caption, and presses the button;
    // the click happens on Release.
    void Press(form::ControlId id) {
        const form::PixelRect r = RectOf(id);
        XTestFakeMotionEvent(x_.Get(), -1, originX_ + r.x + r.w - kPointInset,
                             originY_ + r.y + r.h / 2, CurrentTime);
        XTestFakeButtonEvent(x_.Get(), 1, True, CurrentTime);
        XSync(x_.Get(), False);
    }
    void Release() {
        XTestFakeButtonEvent(x_.Get(), 1, False, CurrentTime);
        XFlush(x_.Get());
    }
    void Click(form::ControlId id) {
        Press(id);
        Release();
        XSync(x_.Get(), False);
    }

private:
    const bench::Connection& x_;
    int originX_ = 0, originY_ = 0;
};

std::size_t Differences(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) ++n;
    return n;
}

// One round; returns the milliseconds from release to the verdict on screen.
double TimeCheck(const bench::Connection& x, ::Window window, Pointer& pointer, int name,
                 int place) {
    pointer.Click(form::Command1(form::kClearButton));
    pointer.Click(form::Option1(name));
    pointer.Click(form::Option2(place));
    std::this_thread::sleep_for(kSettle);
    const form::PixelRect box = RectOf(form::kFeedbackBox);
    const std::vector<unsigned long> before = bench::Grab(x, window, box);
    pointer.Press(form::Command1(form::kCheckButton));
    std::this_thread::sleep_for(kHold);
    const auto start = bench::Clock::now();
    pointer.Release();
    while (Differences(before, bench::Grab(x, window, box)) < kChangedPixels) {
        if (bench::Clock::now() - start > kAnswerTimeout)
            throw std::runtime_error("the verdict never appeared");
        std::this_thread::sleep_for(kPollInterval);
    }
    return bench::MillisecondsBetween(start, bench::Clock::now());
}

void Print(const char* name, const std::vector<double>& ms) {
    std::printf("check %s %.2f %.2f\n", name, bench::Median(ms),
                *std::max_element(ms.begin(), ms.end()));
}

void Play(const bench::Connection& x, ::Window window, int clicks) {
    Pointer pointer(x, window);
    std::vector<double> right, wrong;
    for (int i = 0; i < 2 * clicks; ++i) {
        const int pair = (i / 2) % quiz::kPairCount;
        if (i % 2 == 0)
            right.push_back(TimeCheck(x, window, pointer, pair, pair));
        else
            wrong.push_back(TimeCheck(x, window, pointer, pair, (pair + 1) % quiz::kPairCount));
    }
    Print("right", right);
    Print("wrong", wrong);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: click_probe CLICKS QUIZ_PROGRAM\n");
        return 2;
    }
    const bench::Connection x;
    bench::WatchTopLevels(x);
    const pid_t pid = bench::Spawn(argv[2]);
    try {
        const auto deadline = bench::Clock::now() + kLaunchTimeout;
        const ::Window window = bench::WaitForMapped(x, form::WindowCaption(), deadline);
        if (!window || !bench::WaitPainted(x, window, deadline))
            throw std::runtime_error("the quiz window did not appear");
        Play(x, window, std::atoi(argv[1]));
        if (bench::CloseAndReap(x, window, pid) < 0)
            throw std::runtime_error("the quiz did not close cleanly");
    } catch (const std::exception& e) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "click_probe: %s\n", e.what());
        return 1;
    }
    return 0;
}
