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

  bool operator==(const FormLayout&) const = default;
};

/// n / 2 rounded to the nearest integer, a half going to the even neighbour.
int halfToEven(int n);

/// The main window's layout for a client area (below the menu bar) of
/// clientWidth by clientHeight pixels: two equal boxes side by side, never
/// smaller than 200 by 300, each with its pane inset.
FormLayout computeFormLayout(int clientWidth, int clientHeight);
