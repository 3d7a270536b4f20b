#pragma once

/// A rectangle relative to its parent: left, top, width, height in pixels.
struct LayoutRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const LayoutRect&) const = default;
};

/// Where the main window's controls go for one client-area size.
struct FormLayout {
  LayoutRect panel;      ///< Panel1, in the client area
  LayoutRect sourceBox;  ///< GroupBox1, on Panel1
  LayoutRect source;     ///< edSource, in GroupBox1
  LayoutRect htmlBox;    ///< GroupBox2, on Panel1
  LayoutRect html;       ///< edHTML, in GroupBox2
  LayoutRect divider;    ///< the gap between the boxes, where the divider is dragged

  bool operator==(const FormLayout&) const = default;
};

/// n / 2 rounded to the nearest integer, a half going to the even neighbour.
int halfToEven(int n);

/// The share of the boxes' width that the source box has before the divider
/// is dragged: two equal boxes.
inline constexpr double EvenShare = 0.5;

/// The main window's layout for a client area (below the menu bar) of
/// clientWidth by clientHeight pixels: two equal boxes side by side, never
/// smaller than 200 by 300, each with its pane inset.
///
/// A dragged divider moves width from one box to the other: the source box
/// takes sourceShare of the width both boxes have together (rounded to the
/// nearest pixel), the HTML box the rest, neither narrower than 200. The
/// margins, the gap, the heights and the right edge stay as with equal
/// boxes, and the share is kept whatever size the window takes.
FormLayout computeFormLayout(int clientWidth, int clientHeight, double sourceShare = EvenShare);

/// The share of the boxes' width that puts the divider's middle at x on
/// Panel1, as far as the boxes' minimum width lets it go.
double sourceShareAt(int clientWidth, int x);
