// The spinner reports a user's clicks only.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QToolButton>

#include "app/updown.h"

namespace {

TEST(UpDown, ClicksEmitAndCodeStaysSilent) {
  UpDown spin;
  spin.setRange(0, 3);
  QSignalSpy spy(&spin, &UpDown::clicked);
  spin.setPosition(2);
  spin.setRange(0, 5);
  EXPECT_EQ(spy.count(), 0);

  spin.upButton()->click();
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.takeFirst().at(0).toInt(), 3);
  spin.downButton()->click();
  spin.downButton()->click();
  EXPECT_EQ(spin.position(), 1);
  EXPECT_EQ(spy.count(), 2);
}

TEST(UpDown, PositionStaysInTheRange) {
  UpDown spin;
  spin.setRange(1, 2);
  spin.setPosition(-100);
  EXPECT_EQ(spin.position(), 1);
  QSignalSpy spy(&spin, &UpDown::clicked);
  spin.upButton()->click();
  spin.upButton()->click();  // already at the top: still a click
  EXPECT_EQ(spin.position(), 2);
  ASSERT_EQ(spy.count(), 2);
  EXPECT_EQ(spy.at(1).at(0).toInt(), 2);
  spin.setRange(5, 0);  // an inverted range collapses onto its minimum
  EXPECT_EQ(spin.position(), 5);
  spin.setPosition(std::numeric_limits<int>::max());
  spin.upButton()->click();
  EXPECT_EQ(spin.position(), 5);
}

}  // namespace
