#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "window/FormLayout.h"
#include "window/qt/MainWindow.h"

namespace {

constexpr int kMaxKeys = 40;  // more presses than any route through the form needs

class KeyboardTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Every key goes to the focused control, and the focus must always stay
    // on something the pupil can use.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
        focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "the focus was lost";
        EXPECT_TRUE(focus->isVisible() && focus->isEnabled()) << focus->objectName().toStdString();
    }

    void TabTo(const std::function<bool(QWidget*)>& arrived) {
        for (int n = 0; n < kMaxKeys && !arrived(QApplication::focusWidget()); ++n)
            Press(Qt::Key_Tab);
        ASSERT_TRUE(arrived(QApplication::focusWidget()));
    }

    // Tab into the button's group, walk to it with the arrow keys and check it.
    void Pick(QRadioButton* target) {
        TabTo([target](QWidget* w) { return w->parentWidget() == target->parentWidget(); });
        for (int n = 0; n < kMaxKeys && QApplication::focusWidget() != target; ++n)
            Press(QApplication::focusWidget()->y() < target->y() ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(QApplication::focusWidget(), target);
        if (!target->isChecked()) Press(Qt::Key_Space);
        ASSERT_TRUE(target->isChecked());
    }

    void Press(QAbstractButton* button, Qt::Key key) {
        TabTo([button](QWidget* w) { return w == button; });
        Press(key);
    }

    MainWindow window;
};

TEST_F(KeyboardTest, WholeGameWithKeysOnly) {
    for (int i = 0; i < quiz::kPairCount; ++i) {
        SCOPED_TRACE(i);
        Pick(window.Option1(i));
        EXPECT_EQ(window.State().PickedName(), i);
        Pick(window.Option2(i));
        EXPECT_EQ(window.State().PickedPlace(), i);
        // Space and Enter both press a button.
        Press(window.Command1(form::kCheckButton), i % 2 ? Qt::Key_Return : Qt::Key_Space);
        EXPECT_EQ(window.RightCount()->text(), QString("Вярно:  %1").arg(i + 1));
        EXPECT_FALSE(window.Option1(i)->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), window.Command1(form::kCheckButton));
    }
    EXPECT_EQ(window.WrongCount()->text(), "Грешно:  0");

    // Every pair is finished: Tab now only visits the text box and the buttons.
    for (int n = 0; n < kMaxKeys; ++n) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(qobject_cast<QRadioButton*>(QApplication::focusWidget()), nullptr);
    }
    Press(window.Command1(form::kClearButton), Qt::Key_Space);
    EXPECT_EQ(window.RightCount()->text(), "Вярно:  0");
    EXPECT_TRUE(window.Option1(0)->isEnabled());
}

TEST_F(KeyboardTest, ArrowChecksTheNextEnabledButtonAndShiftTabGoesBack) {
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.Option1(0));
    EXPECT_FALSE(window.Option1(0)->isChecked()) << "entering a group picks nothing";
    Press(Qt::Key_Down);
    EXPECT_TRUE(window.Option1(1)->isChecked());
    EXPECT_EQ(window.State().PickedName(), 1);

    window.Option1(2)->setEnabled(false);  // as if its pair were finished
    Press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), window.Option1(3)) << "a finished pair is skipped";
    EXPECT_EQ(window.State().PickedName(), 3);

    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window.FeedbackBox());
}

}  // namespace
