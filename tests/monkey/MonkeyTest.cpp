#include <gtest/gtest.h>

#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "Invariants.h"
#include "MonkeyEvent.h"
#include "PopupCatcher.h"
#include "window/qt/MainWindow.h"

namespace {

constexpr int kEvents = 100'000;
constexpr std::mt19937::result_type kDefaultSeed = 1917;

// MONKEY_SEED replays another run; by default every run is the same one.
std::mt19937::result_type Seed() {
    const char* text = std::getenv("MONKEY_SEED");
    if (!text || !*text) return kDefaultSeed;
    return static_cast<std::mt19937::result_type>(std::stoul(text, nullptr, 0));
}

TEST(Monkey, RandomClicksAndKeysKeepTheWindowSound) {
    const std::mt19937::result_type seed = Seed();
    std::printf("monkey: seed %lu, %d events (replay with MONKEY_SEED=%lu)\n",
                static_cast<unsigned long>(seed), kEvents, static_cast<unsigned long>(seed));
    std::fflush(stdout);
    std::mt19937 random(seed);

    MainWindow window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QSize openedSize = window.size();
    ASSERT_EQ(monkey::BrokenRule(window, openedSize), "") << "before the first event";
    monkey::PopupCatcher popups;

    for (int n = 1; n <= kEvents; ++n) {
        const monkey::MonkeyEvent event = monkey::RandomEvent(random, openedSize);
        const std::string what = monkey::Describe(event, window);
        monkey::Send(event, window);
        std::string broken = popups.TakeCaught();
        if (!broken.empty()) broken = "a popup opened: " + broken;
        if (broken.empty()) broken = monkey::BrokenRule(window, openedSize);
        ASSERT_EQ(broken, "") << "after event " << n << " of seed " << seed << ": " << what;
    }
}

}  // namespace
