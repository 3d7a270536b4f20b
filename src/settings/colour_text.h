#pragma once

#include <cstddef>
#include <optional>
#include <string>

/// The characters of a colour text, RRGGBB.
inline constexpr std::size_t ColourTextLength = 6;

/// Why a colour box's text was turned down, if it was.
enum class HexVerdict { Accepted, TooShort, NotHexadecimal };

/// The colour check of the settings dialog on a box's UTF-8 text: six or more
/// characters (not bytes), every one of "0123456789ABCDEF" (upper case only).
HexVerdict hexVerdict(const std::string& text);

/// The message a rejected colour text shows; empty for an accepted one.
std::string hexRejectionMessage(HexVerdict verdict);

/// A colour's red, green and blue parts, 0 to 255 each.
struct ColourParts {
  int red = 0;
  int green = 0;
  int blue = 0;

  bool operator==(const ColourParts&) const = default;
};

/// The parts of an RRGGBB colour text; nothing unless it is exactly six
/// hexadecimal digits (either case, as an outside edit may store them).
std::optional<ColourParts> colourParts(const std::string& rrggbb);

/// The text with a to z turned to A to Z and every other byte unchanged.
std::string upperCasedAscii(std::string text);
