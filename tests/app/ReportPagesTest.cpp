#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/GeneralPage.h"
#include "app/RawDataPage.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

DiveRecord DiveWithSamples(int number, int samples) {
  test::ProfileBuilder profile;
  profile.Samples.assign(static_cast<size_t>(samples), {64, 0});
  DiveRecord dive = test::MakeDecodedDive(profile);
  dive.DiveNumber = number;
  dive.DiveDate = "17/10/1998";
  dive.Site = "<b>Pier</b>";
  return dive;
}

class ReportPages : public ::testing::Test {
 protected:
  AppContext context;
};

TEST_F(ReportPages, GeneralPageShowsTheSummaryAsPlainText) {
  context.Book.Dives.push_back(DiveWithSamples(7, 4));
  context.Book.Dives.back().MaxDepth = 327.67;
  GeneralPage page(context);
  page.ShowDive(0);
  EXPECT_EQ(page.Heading()->text(), "Dive Number: 7");
  ASSERT_EQ(page.LineCount(), 19);
  EXPECT_EQ(page.Caption(0)->text(), "Date:");
  EXPECT_EQ(page.Value(0)->text(), " Sat 17 October 1998");
  // A site typed with markup is shown as typed, not rendered.
  EXPECT_EQ(page.Value(3)->text(), " <b>Pier</b>");
  EXPECT_EQ(page.Value(3)->textFormat(), Qt::PlainText);
  EXPECT_EQ(page.Value(12)->text(), " Unknown");

  // No dive: the labels empty rather than keep another dive's values.
  page.ShowDive(-1);
  EXPECT_EQ(page.Heading()->text(), "");
  EXPECT_EQ(page.Value(0)->text(), "");
}

TEST_F(ReportPages, RawDataShowsDetailsThenDumpInFixedPitch) {
  DiveRecord undecoded = DiveWithSamples(3, 4);
  undecoded.ProfileDecoded = false;
  undecoded.SampleCount = 0;
  context.Book.Dives.push_back(undecoded);
  RawDataPage page(context);
  page.ShowDive(0);  // a dive not decoded yet is decoded for its dump
  const QString text = page.TextBox()->toPlainText();
  EXPECT_TRUE(text.startsWith("Dive Number: 3\n    Dive Date: 17/10/1998"));
  EXPECT_TRUE(text.contains("    0004 , 01'20\" , 10.0 , txok"));
  EXPECT_FALSE(text.contains('\r'));
  const QFontMetrics metrics(page.TextBox()->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiii , ...."), metrics.horizontalAdvance("WWWW - 0000"));
}

TEST_F(ReportPages, CaretStaysWhenTheNextTextIsLongEnough) {
  context.Book.Dives.push_back(DiveWithSamples(1, 60));  // long text
  context.Book.Dives.push_back(DiveWithSamples(2, 60));
  context.Book.Dives.push_back(DiveWithSamples(3, 0));   // details only, short
  RawDataPage page(context);
  page.ShowDive(0);
  ASSERT_GT(page.TextBox()->toPlainText().size(), 1500);
  QTextCursor cursor = page.TextBox()->textCursor();
  cursor.setPosition(1500);
  page.TextBox()->setTextCursor(cursor);
  page.ShowDive(1);
  EXPECT_EQ(page.TextBox()->textCursor().position(), 1500);

  page.ShowDive(2);  // too short to hold the caret there: it is not placed
  EXPECT_EQ(page.TextBox()->textCursor().position(), 0);
}

}  // namespace
}  // namespace scrb
