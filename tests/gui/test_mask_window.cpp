// View -> "Main Table": the reference chart window and its crosshair.
#include <QMouseEvent>
#include <QTest>

#include "form_fixture.h"
#include "windows/mask_window.h"

namespace {

TEST_F(FormTest, MainTableOpensTheChartModally) {
  QString title;
  QSize image;
  bool stretched = false, hasPicture = false;
  onNextModal([&](QWidget* modal) {
    title = modal->windowTitle();
    if (auto* l = modal->findChild<QLabel*>("Image1")) {
      image = l->size();
      stretched = l->hasScaledContents();
      hasPicture = !l->pixmap().isNull();
    }
  });
  action("MainTable1")->trigger();
  EXPECT_EQ(title, "Correct- incorrect mask");
  EXPECT_EQ(image, QSize(681, 641));
  EXPECT_TRUE(stretched);
  EXPECT_TRUE(hasPicture);
  EXPECT_EQ(form_->maskWindow()->pos(), QPoint(244, 1));
  EXPECT_FALSE(form_->maskWindow()->isVisible());
}

TEST_F(FormTest, Click12ChangesNothingNotEvenItsMark) {
  QAction* click12 = form_->maskWindow()->click12();
  ASSERT_TRUE(click12->isChecked());
  click12->trigger();
  EXPECT_TRUE(click12->isChecked());
}

// A press at (690, 100) in the right margin: a vertical line at x = 691 and
// a horizontal one at y = 100 across the chart, both 420 pixels long and
// green; a press on the chart itself draws nothing.
TEST_F(FormTest, APressInTheMarginDrawsTheGreenCrosshair) {
  MaskWindow* w = form_->maskWindow();
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  QTest::mouseClick(w->image(), Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_TRUE(w->crosshair().empty());
  QTest::mouseClick(w->client(), Qt::LeftButton, {}, QPoint(690, 100));
  ASSERT_EQ(w->crosshair().size(), 2u);
  EXPECT_EQ(w->crosshair()[0], QLine(0, 100, 420, 100));
  EXPECT_EQ(w->crosshair()[1], QLine(691, 0, 691, 420));
  const QImage shown = w->client()->grab().toImage();
  const QRgb green = qRgb(0, 128, 0);
  EXPECT_EQ(shown.pixel(691, 300), green);
  EXPECT_EQ(shown.pixel(50, 100), green) << "across the chart";
  EXPECT_EQ(shown.pixel(400, 100), green);
  EXPECT_NE(shown.pixel(691, 430), green) << "420 pixels long";
  EXPECT_NE(shown.pixel(500, 100), green);
  w->hide();
}

}  // namespace
