// The shared scenarios played on the real window, offscreen, with real
// clicks and keys; what it must show after each step comes from the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include "Model.h"
#include "Player.h"
#include "window/qt/Announcer.h"
#include "window/qt/FormUnits.h"
#include "window/qt/MainWindow.h"

namespace {

using scenario::Verb;

class ScenarioTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Click(form::ControlId id) {
        QWidget* widget = window.Control(id);
        // Near the right end of an option's strip, far from its indicator.
        const QPoint at = form::At(id).kind == form::Kind::OptionButton
                              ? QPoint(widget->width() - 3, widget->height() / 2)
                              : widget->rect().center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }

    void Play(const scenario::Action& action) {
        static constexpr struct {
            Verb verb;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } kKeys[] = {
            {Verb::Tab, Qt::Key_Tab, {}},      {Verb::ShiftTab, Qt::Key_Tab, Qt::ShiftModifier},
            {Verb::Up, Qt::Key_Up, {}},        {Verb::Down, Qt::Key_Down, {}},
            {Verb::Left, Qt::Key_Left, {}},    {Verb::Right, Qt::Key_Right, {}},
            {Verb::Space, Qt::Key_Space, {}},  {Verb::Enter, Qt::Key_Return, {}},
            {Verb::Escape, Qt::Key_Escape, {}}};
        const form::ControlId target = scenario::ClickTarget(action);
        if (!(target == form::kWindow)) return Click(target);
        for (const auto& k : kKeys)
            if (k.verb == action.verb)
                QTest::keyClick(QApplication::focusWidget(), k.key, k.modifiers);
    }

    [[nodiscard]] scenario::Observation Observe() const {
        scenario::Observation o{form::qt::FromBoxText(window.FeedbackBox()->toPlainText()),
                                window.RightCount()->text().toStdString(),
                                window.WrongCount()->text().toStdString(),
                                {},
                                {},
                                {},
                                window.findChild<Announcer*>()->accessibleName().toStdString()};
        for (const form::Control& row : form::kControls) {
            if (row.kind != form::Kind::OptionButton) continue;
            const QWidget* button = window.Control(row.id);
            if (static_cast<const QRadioButton*>(button)->isChecked())
                o.checked.push_back(form::NameOf(row.id));
            if (!button->isEnabled()) o.disabled.push_back(form::NameOf(row.id));
        }
        if (const QWidget* focus = QApplication::focusWidget())
            o.focus = focus->objectName().toStdString();
        return o;
    }

    void PlayAndCompare(const std::vector<scenario::Action>& actions, const std::string& run) {
        std::ofstream log = scenario::OpenLog(run, "qt");
        const scenario::Edition qt{"qt", [this](const scenario::Action& a) { Play(a); },
                                   [this] { return Observe(); }};
        for (const std::string& failure :
             scenario::PlayAndCompare(actions, qt, log.is_open() ? &log : nullptr))
            ADD_FAILURE() << failure;
    }

    MainWindow window;
};

TEST_F(ScenarioTest, SharedGame) {
    std::ifstream game(QUIZ_SCENARIO_DIR "/game.txt");
    ASSERT_TRUE(game.is_open());
    PlayAndCompare(scenario::Parse(game), "game");
}

TEST_F(ScenarioTest, RandomRun) {
    const std::uint32_t seed = scenario::Seed();
    std::cout << "the random run: seed " << seed << ", " << scenario::kRandomRunLength
              << " actions (QUIZ_SEED=" << seed << " replays it)\n";
    const QSize size = window.size();
    PlayAndCompare(scenario::RandomScenario(seed, scenario::kRandomRunLength), "random");
    // Whatever the pupil did, the window keeps its size and hides what it hides.
    EXPECT_EQ(window.size(), size);
    for (const form::Control& row : form::kControls)
        EXPECT_EQ(window.Control(row.id)->isVisible(), row.visible) << form::NameOf(row.id);
}

}  // namespace
