#include "app/layout.h"
#include "app/status_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DividerCase {
  int clientWidth;
  double sourceShare;
  int sourceWidth, htmlWidth;
};

TEST(form_layout, a_dragged_divider_moves_width_between_the_boxes_only) {
  const DividerCase cases[] = {
      {1017, EvenShare, 464, 464}, {1015, EvenShare, 462, 462}, {1017, 0.25, 232, 696},
      {1017, 0.1, 200, 728},       {1017, 0.95, 728, 200},      {2000, 1.0 / 3, 637, 1273},
      {400, 0.3, 200, 200},        {0, 0.9, 200, 200},
  };
  for (const DividerCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.clientWidth) + " at " + std::to_string(c.sourceShare));
    const FormLayout even = computeFormLayout(c.clientWidth, 700);
    const FormLayout layout = computeFormLayout(c.clientWidth, 700, c.sourceShare);
    EXPECT_EQ(layout.sourceBox, (LayoutRect{20, 20, c.sourceWidth, 650}));
    EXPECT_EQ(layout.htmlBox, (LayoutRect{20 + c.sourceWidth + 50, 20, c.htmlWidth, 650}));
    EXPECT_EQ(layout.divider, (LayoutRect{20 + c.sourceWidth, 20, 50, 650}));
    // The right edge, the heights and the insets stay those of equal boxes.
    EXPECT_EQ(layout.htmlBox.left + layout.htmlBox.width, even.htmlBox.left + even.htmlBox.width);
    EXPECT_EQ(layout.source, (LayoutRect{20, 30, c.sourceWidth - 40, 600}));
    EXPECT_EQ(layout.html, (LayoutRect{20, 30, c.htmlWidth - 40, 600}));
    EXPECT_EQ(layout.panel, even.panel);
  }
}

TEST(form_layout, the_divider_keeps_its_share_as_the_window_resizes) {
  struct Case {
    int dragWidth, dragX;
    double share;
    int laterWidth, laterSourceWidth;
  };
  const Case cases[] = {
      {1017, 20 + 25 + 300, 300.0 / 928, 1517, 462},  // 1428 * 300 / 928 = 461.6
      {1017, 20 + 25 + 464, 0.5, 700, 305},           // the even split stays even
      {1017, 0, 200.0 / 928, 2017, 416},              // held at the minimum, then shared
      {1017, 5000, 728.0 / 928, 500, 210},            // the HTML box keeps its 200
      {400, 300, 0.5, 1017, 464},                     // a window too small to share
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.dragWidth) + " dragged to " + std::to_string(c.dragX));
    const double share = sourceShareAt(c.dragWidth, c.dragX);
    EXPECT_DOUBLE_EQ(share, c.share);
    EXPECT_EQ(computeFormLayout(c.laterWidth, 700, share).sourceBox.width, c.laterSourceWidth);
  }
}

TEST(status_messages, say_what_each_command_did) {
  const std::pair<QString, QString> cases[] = {
      {openedMessage("Unit1.pas", 12), "Unit1.pas: 12 lines converted"},
      {openedMessage("a b.pas", 1), "a b.pas: 1 line converted"},
      {convertedMessage(0), "0 lines converted"},
      {savedMessage("/home/u/page.html"), "Page saved: /home/u/page.html"},
      {copiedMessage(3), "3 lines of HTML copied to the clipboard"},
      {formattedCopyMessage(1), "1 line copied to the clipboard as formatted HTML and plain text"},
      {looksNotReadMessage("Invalid data type for 'Bold'"),
       "Source colors not read: Invalid data type for 'Bold'"},
      {notFollowedMessage("Cannot read settings file 'a.reg', line 3: no key"),
       "HTML not updated: Cannot read settings file 'a.reg', line 3: no key."},
      {QString::fromLatin1(OutOfDateNotice), "HTML out of date: F5 converts"},
  };
  for (const auto& [message, expected] : cases)
    EXPECT_EQ(message.toStdString(), expected.toStdString());
}

}  // namespace
