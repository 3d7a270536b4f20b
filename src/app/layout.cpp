#include "app/layout.h"

#include <algorithm>

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

}  // namespace

int halfToEven(int n) {
  const int floorHalf = n >= 0 ? n / 2 : -((1 - n) / 2);
  if (n % 2 == 0) return floorHalf;
  return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

FormLayout computeFormLayout(int clientWidth, int clientHeight) {
  FormLayout layout;
  layout.sourceBox = {BoxMargin, BoxMargin, std::max(halfToEven(clientWidth - 90), MinBoxWidth),
                      std::max(clientHeight - 50, MinBoxHeight)};
  layout.source = paneIn(layout.sourceBox);
  layout.htmlBox = layout.sourceBox;
  layout.htmlBox.left = layout.sourceBox.left + layout.sourceBox.width + BoxGap;
  layout.html = paneIn(layout.htmlBox);
  layout.panel = {0, 0, clientWidth, clientHeight};
  return layout;
}
