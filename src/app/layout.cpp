#include "app/layout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int BoxMargin = 20;
constexpr int BoxGap = 50;
constexpr int MinBoxWidth = 200;
constexpr int MinBoxHeight = 300;
constexpr int PaneLeft = 20;
constexpr int PaneTop = 30;

LayoutRect paneIn(const LayoutRect& box) {
  return {PaneLeft, PaneTop, box.width - 40, box.height - 50};
}

/// The width of each box while they are equal.
int evenBoxWidth(int clientWidth) { return std::max(halfToEven(clientWidth - 90), MinBoxWidth); }

}  // namespace

int halfToEven(int n) {
  const int floorHalf = n >= 0 ? n / 2 : -((1 - n) / 2);
  if (n % 2 == 0) return floorHalf;
  return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

FormLayout computeFormLayout(int clientWidth, int clientHeight, double sourceShare) {
  const int bothWidths = 2 * evenBoxWidth(clientWidth);
  const auto sourceWidth = static_cast<int>(std::lround(sourceShare * bothWidths));
  FormLayout layout;
  layout.sourceBox = {BoxMargin, BoxMargin,
                      std::clamp(sourceWidth, MinBoxWidth, bothWidths - MinBoxWidth),
                      std::max(clientHeight - 50, MinBoxHeight)};
  layout.source = paneIn(layout.sourceBox);
  layout.htmlBox = layout.sourceBox;
  layout.htmlBox.left = layout.sourceBox.left + layout.sourceBox.width + BoxGap;
  layout.htmlBox.width = bothWidths - layout.sourceBox.width;
  layout.html = paneIn(layout.htmlBox);
  layout.divider = {layout.htmlBox.left - BoxGap, layout.sourceBox.top, BoxGap,
                    layout.sourceBox.height};
  layout.panel = {0, 0, clientWidth, clientHeight};
  return layout;
}

double sourceShareAt(int clientWidth, int x) {
  const int bothWidths = 2 * evenBoxWidth(clientWidth);
  const int sourceWidth =
      std::clamp(x - BoxMargin - BoxGap / 2, MinBoxWidth, bothWidths - MinBoxWidth);
  return static_cast<double>(sourceWidth) / bothWidths;
}
