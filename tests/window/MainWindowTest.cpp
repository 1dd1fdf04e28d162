#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <vector>

#include "window/FormLayout.h"
#include "window/qt/MainWindow.h"

namespace {

using form::Kind;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A click near the right end of the button's coloured strip, far from its
    // indicator and caption.
    static void ClickOption(QRadioButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->width() - 3, button->height() / 2));
    }
    void PlayPair(int name, int place) {
        ClickOption(window.Option1(name));
        ClickOption(window.Option2(place));
        QTest::mouseClick(window.Command1(form::kCheckButton), Qt::LeftButton);
    }
    [[nodiscard]] QString Feedback() const { return window.FeedbackBox()->toPlainText(); }

    MainWindow window;
};

// The stops of the Tab key in table order. As on the classic desktop, an
// exclusive group of option buttons is one stop (arrow keys move inside it),
// entered at its first button in tab order while none is checked.
std::vector<const form::Control*> TabStops() {
    std::vector<const form::Control*> rows;
    for (const form::Control& row : form::kControls) rows.push_back(&row);
    std::sort(rows.begin(), rows.end(),
              [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<const form::Control*> stops;
    std::vector<form::ControlId> groupsEntered;
    for (const form::Control* row : rows) {
        if (!row->visible) continue;
        if (row->kind == Kind::OptionButton) {
            if (std::find(groupsEntered.begin(), groupsEntered.end(), row->container) !=
                groupsEntered.end())
                continue;
            groupsEntered.push_back(row->container);
        } else if (row->kind != Kind::PushButton && row->kind != Kind::TextBox) {
            continue;
        }
        stops.push_back(row);
    }
    return stops;
}

QString TextOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        return box->toPlainText().replace('\n', "\r\n");
    return widget->property("title").toString();
}

// A point of the control that shows its back colour, clear of text and edges.
QPoint BackgroundPoint(const form::Control& row, const QWidget* widget) {
    switch (row.kind) {
        case Kind::Frame:
            return {4, widget->height() - 4};
        case Kind::Label:
        case Kind::PushButton:
            return {4, 4};
        default:
            return {widget->width() - 3, widget->height() / 2};
    }
}

TEST_F(MainWindowTest, EveryControlIsWhereTheTableSays) {
    const QImage shot = window.grab().toImage();
    for (const form::Control& row : form::kControls) {
        const QWidget* widget = window.Control(row.id);
        SCOPED_TRACE(widget->objectName().toStdString());
        const QRect px = widget->geometry();
        EXPECT_EQ(px.x() * form::kTwipsPerPixel, row.rect.left);
        EXPECT_EQ(px.y() * form::kTwipsPerPixel, row.rect.top);
        EXPECT_EQ(px.width() * form::kTwipsPerPixel, row.rect.width);
        EXPECT_EQ(px.height() * form::kTwipsPerPixel, row.rect.height);
        const QWidget* container = row.container == form::kWindow
                                       ? static_cast<const QWidget*>(&window)
                                       : window.Control(row.container);
        EXPECT_EQ(widget->parentWidget(), container);
        EXPECT_EQ(widget->isVisible(), row.visible);
        EXPECT_TRUE(widget->isEnabled());
        // The count labels' texts are replaced before the window first shows.
        if (row.kind != Kind::ListBox && row.id != form::kRightCount &&
            row.id != form::kWrongCount) {
            EXPECT_EQ(TextOf(widget), Q(row.text));
        }
        if (row.back && row.visible) {
            const QPoint at = widget->mapTo(&window, BackgroundPoint(row, widget));
            EXPECT_EQ(shot.pixelColor(at * shot.devicePixelRatio()),
                      QColor(row.back->r, row.back->g, row.back->b));
        }
    }
    const QPoint besideHeading(window.width() - 3, 3);
    const form::Rgb& back = form::kWindowProps.back;
    EXPECT_EQ(shot.pixelColor(besideHeading * shot.devicePixelRatio()),
              QColor(back.r, back.g, back.b));
    EXPECT_EQ(window.size() * form::kTwipsPerPixel,
              QSize(form::kWindowProps.clientWidth, form::kWindowProps.clientHeight));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window is not resizable";
    EXPECT_EQ(window.ExplanationList()->count(), 0);
}

TEST_F(MainWindowTest, OpensReadyWithZeroCountsAndFocusInTheTextBox) {
    EXPECT_EQ(window.RightCount()->text(), "Вярно:  0");
    EXPECT_EQ(window.WrongCount()->text(), "Грешно:  0");
    EXPECT_EQ(QApplication::focusWidget(), window.FeedbackBox());
    for (int i = 0; i < quiz::kPairCount; ++i) {
        EXPECT_FALSE(window.Option1(i)->isChecked());
        EXPECT_FALSE(window.Option2(i)->isChecked());
    }
    EXPECT_TRUE(window.FeedbackBox()->isReadOnly());
}

TEST_F(MainWindowTest, TabVisitsControlsInTableOrder) {
    for (const form::Control* row : TabStops()) {
        EXPECT_EQ(QApplication::focusWidget(), window.Control(row->id))
            << "expected " << row->id.name << "(" << row->id.index << ")";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), window.FeedbackBox()) << "Tab wraps around";
}

TEST_F(MainWindowTest, MouseGameOfTwelvePairs) {
    PlayPair(2, 0);  // "Мирна" with "Ливан 2005"
    EXPECT_EQ(Feedback(), "Грешен отговор - опитайте отново.\n");
    EXPECT_EQ(window.WrongCount()->text(), "Грешно:  1");
    EXPECT_TRUE(window.Option1(2)->isChecked()) << "a wrong answer leaves the picks";
    EXPECT_TRUE(window.Option2(0)->isChecked());

    for (int i = 0; i < quiz::kPairCount; ++i) {
        PlayPair(i, i);
        EXPECT_EQ(Feedback(), "Правилно!\n\n");
        EXPECT_FALSE(window.Option1(i)->isChecked());
        EXPECT_FALSE(window.Option2(i)->isChecked());
        EXPECT_FALSE(window.Option1(i)->isEnabled());
        EXPECT_FALSE(window.Option2(i)->isEnabled());
        EXPECT_EQ(window.RightCount()->text(), QString("Вярно:  %1").arg(i + 1));
    }
    EXPECT_EQ(window.WrongCount()->text(), "Грешно:  1");

    QTest::mouseClick(window.Command1(form::kClearButton), Qt::LeftButton);
    EXPECT_EQ(Feedback(), "Направете своя избор!");
    EXPECT_EQ(window.RightCount()->text(), "Вярно:  0");
    EXPECT_EQ(window.WrongCount()->text(), "Грешно:  0");
    for (int i = 0; i < quiz::kPairCount; ++i) {
        EXPECT_TRUE(window.Option1(i)->isEnabled());
        EXPECT_TRUE(window.Option2(i)->isEnabled());
    }
    EXPECT_FALSE(window.Control(form::kQuotationBox)->isVisible());
    EXPECT_FALSE(window.ExplanationList()->isVisible());
}

TEST_F(MainWindowTest, RightAnswerShowsVerdictAndOneEmptyLine) {
    PlayPair(9, 9);  // "Оранжева" with "Украйна 2004"
    const QTextDocument* doc = window.FeedbackBox()->document();
    ASSERT_EQ(doc->blockCount(), 3);
    EXPECT_EQ(doc->findBlockByNumber(0).text(), "Правилно!");
    EXPECT_EQ(doc->findBlockByNumber(1).text(), "");
    EXPECT_EQ(doc->findBlockByNumber(2).text(), "");
}

TEST_F(MainWindowTest, ExplanationComesFromTheHiddenList) {
    window.ExplanationList()->addItem("Кедровата революция в Ливан.");
    PlayPair(0, 0);
    EXPECT_EQ(Feedback(), "Правилно!\nКедровата революция в Ливан.\n");
    PlayPair(1, 1);
    EXPECT_EQ(Feedback(), "Правилно!\n\n") << "no item 1: the explanation is empty";
}

TEST_F(MainWindowTest, DisabledButtonIgnoresClicks) {
    PlayPair(4, 4);
    ClickOption(window.Option1(4));
    EXPECT_FALSE(window.Option1(4)->isChecked());
    EXPECT_EQ(window.State().PickedName(), 4) << "the pick stays on the finished pair";
    ClickOption(window.Option1(5));
    QTest::mouseClick(window.Command1(form::kCheckButton), Qt::LeftButton);
    EXPECT_EQ(Feedback(), "Грешен отговор - опитайте отново.\n");
}

TEST_F(MainWindowTest, SecondNameUnchecksFirstAndLeavesPlaceAlone) {
    ClickOption(window.Option2(3));
    ClickOption(window.Option1(0));
    ClickOption(window.Option1(1));
    EXPECT_FALSE(window.Option1(0)->isChecked());
    EXPECT_TRUE(window.Option1(1)->isChecked());
    EXPECT_TRUE(window.Option2(3)->isChecked());
    EXPECT_EQ(window.State().PickedName(), 1);
    EXPECT_EQ(window.State().PickedPlace(), 3);
}

TEST_F(MainWindowTest, KeyboardPicksWithSpaceAndArrows) {
    window.Option1(0)->setFocus();
    QTest::keyClick(window.Option1(0), Qt::Key_Space);
    EXPECT_TRUE(window.Option1(0)->isChecked());
    EXPECT_EQ(window.State().PickedName(), 0);
    QTest::keyClick(window.Option1(0), Qt::Key_Down);
    EXPECT_TRUE(window.Option1(1)->isChecked());
    EXPECT_EQ(window.State().PickedName(), 1);

    window.Option2(1)->setFocus();
    QTest::keyClick(window.Option2(1), Qt::Key_Space);
    EXPECT_EQ(window.State().PickedPlace(), 1);
    window.Command1(form::kCheckButton)->setFocus();
    QTest::keyClick(window.Command1(form::kCheckButton), Qt::Key_Space);
    EXPECT_EQ(window.RightCount()->text(), "Вярно:  1");
}

// The quiz switches buttons off itself on a right answer and on Clear; none
// of that may come back as a pick.
TEST_F(MainWindowTest, SwitchingOffFromCodeRaisesNoPick) {
    PlayPair(6, 6);
    EXPECT_EQ(window.State().PickedName(), 6);
    EXPECT_EQ(window.State().PickedPlace(), 6);
    ClickOption(window.Option1(7));
    ClickOption(window.Option2(8));
    QTest::mouseClick(window.Command1(form::kClearButton), Qt::LeftButton);
    EXPECT_FALSE(window.Option1(7)->isChecked()) << "a checked button really is cleared";
    EXPECT_FALSE(window.Option2(8)->isChecked());
    EXPECT_EQ(window.State().PickedName(), quiz::kNoPick);
    EXPECT_EQ(window.State().PickedPlace(), quiz::kNoPick);
}

}  // namespace
