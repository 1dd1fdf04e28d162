#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "window/form/FormLayout.h"
#include "window/qt/MainWindow.h"

// The window drawn at twice the resolution, as on a 200% screen.
namespace {

constexpr int kScale = 2;
constexpr int kBevel = 3;          // a push button's raised edge, in logical pixels
constexpr int kWrongAnswers = 10;  // enough to widen the wrong-answer count by a digit

bool ColumnIs(const QImage& image, int x, int top, int bottom, const QColor& color) {
    for (int y = top; y < bottom; ++y)
        if (image.pixelColor(x, y) != color) return false;
    return true;
}

TEST(HighDpi, WindowScalesAndEveryCaptionFits) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.devicePixelRatio(), qreal{kScale});
    for (int n = 0; n < kWrongAnswers; ++n)
        QTest::mouseClick(window.Command1(form::kCheckButton), Qt::LeftButton);
    ASSERT_EQ(window.WrongCount()->text(), QString("Грешно:  %1").arg(kWrongAnswers));

    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), window.size() * kScale) << "drawn at full resolution";
    EXPECT_EQ(window.size() * form::kTwipsPerPixel,
              QSize(form::kWindowProps.clientWidth, form::kWindowProps.clientHeight));

    for (const form::Control& row : form::kControls) {
        const bool captioned = row.kind == form::Kind::OptionButton ||
                               row.kind == form::Kind::Label || row.kind == form::Kind::PushButton;
        if (!captioned || !row.back) continue;
        const QWidget* widget = window.Control(row.id);
        SCOPED_TRACE(widget->objectName().toStdString());
        const QRect rect(widget->mapTo(&window, QPoint(0, 0)) * kScale, widget->size() * kScale);
        const QColor back(row.back->r, row.back->g, row.back->b);
        // Captions are centred vertically; the middle half of the rows holds
        // them clear of neighbours that overlap an edge. A clipped caption
        // leaves ink in the last column before the edge (or the bevel).
        const int inset = row.kind == form::Kind::PushButton ? kBevel * kScale : 0;
        const int top = rect.top() + rect.height() / 4;
        const int bottom = rect.bottom() - rect.height() / 4;
        const int left = rect.left() + inset;
        const int right = rect.right() - inset;
        EXPECT_TRUE(ColumnIs(shot, right, top, bottom, back)) << "clipped at the right";
        // An option button's indicator stands at its left edge.
        if (row.kind != form::Kind::OptionButton) {
            EXPECT_TRUE(ColumnIs(shot, left, top, bottom, back)) << "clipped at the left";
        }
        bool anyText = false;
        for (int x = left; x <= right; ++x)
            anyText = anyText || !ColumnIs(shot, x, top, bottom, back);
        EXPECT_TRUE(anyText) << "the caption is drawn";
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
