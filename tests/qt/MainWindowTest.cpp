#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "window/form/FormLayout.h"
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

QString TextOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        return box->toPlainText().replace('\n', "\r\n");
    return widget->accessibleName();  // a frame's caption
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
    EXPECT_TRUE(window.FeedbackBox()->isReadOnly());
}

TEST_F(MainWindowTest, ExplanationComesFromTheHiddenList) {
    window.ExplanationList()->addItem("Кедровата революция в Ливан.");
    PlayPair(0, 0);
    EXPECT_EQ(Feedback(), "Правилно!\nКедровата революция в Ливан.\n");
    PlayPair(1, 1);
    EXPECT_EQ(Feedback(), "Правилно!\n\n") << "no item 1: the explanation is empty";
}

}  // namespace
