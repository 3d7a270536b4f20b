#include "app/layout.h"
#include "app/style_sheet_saver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct BoxCase {
  int clientWidth, clientHeight;
  int boxWidth, boxHeight;
};

TEST(form_layout, box_size_rounds_half_to_even_and_keeps_minimums) {
  const BoxCase cases[] = {
      {1015, 700, 462, 650},  // 462.5 goes to the even 462
      {1017, 700, 464, 650},  // 463.5 goes to the even 464
      {1016, 700, 463, 650}, {490, 350, 200, 300}, {489, 349, 200, 300},
      {100, 100, 200, 300},  {0, 0, 200, 300},     {1280, 990, 595, 940},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.clientWidth) + "x" + std::to_string(c.clientHeight));
    const FormLayout layout = computeFormLayout(c.clientWidth, c.clientHeight);
    EXPECT_EQ(layout.sourceBox, (LayoutRect{20, 20, c.boxWidth, c.boxHeight}));
    EXPECT_EQ(layout.htmlBox, (LayoutRect{20 + c.boxWidth + 50, 20, c.boxWidth, c.boxHeight}));
    EXPECT_EQ(layout.source, (LayoutRect{20, 30, c.boxWidth - 40, c.boxHeight - 50}));
    EXPECT_EQ(layout.html, layout.source);
    EXPECT_EQ(layout.panel, (LayoutRect{0, 0, c.clientWidth, c.clientHeight}));
  }
}

TEST(form_layout, half_to_even_on_both_signs) {
  const std::pair<int, int> cases[] = {{0, 0},  {1, 0},   {3, 2},   {5, 2}, {7, 4},
                                       {-1, 0}, {-3, -2}, {-5, -2}, {8, 4}, {-8, -4}};
  for (const auto& [n, half] : cases) EXPECT_EQ(halfToEven(n), half) << n;
}

TEST(style_sheet_dialog, proposes_the_sheet_where_the_last_page_links_it) {
  const struct {
    std::string sheet, lastPage, proposed;
  } cases[] = {
      {"css/pascal.css", "/web/unit1.html", "/web/css/pascal.css"},
      {"../s.css?v=2", "/web/a/unit1.html", "/web/s.css"},
      {"pascal.css", "", "pascal.css"},
      {"/home/me/site.css", "/web/unit1.html", "/home/me/site.css"},
      {"https://example.org/s.css", "/web/unit1.html", ""},
      {"", "/web/unit1.html", ""},
  };
  for (const auto& test : cases)
    EXPECT_EQ(proposedStyleSheetFile(test.sheet, test.lastPage), test.proposed) << test.sheet;
}

}  // namespace
