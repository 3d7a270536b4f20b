#include "settings/colour_text.h"

#include <gtest/gtest.h>

namespace {

struct VerdictCase {
  const char* text;
  HexVerdict verdict;
};

TEST(colour_text_test, hex_verdict) {
  const VerdictCase cases[] = {
      {"000080", HexVerdict::Accepted},
      {"1A2B3C", HexVerdict::Accepted},
      {"FFFFFF", HexVerdict::Accepted},
      {"", HexVerdict::TooShort},
      {"12345", HexVerdict::TooShort},
      {"1234G", HexVerdict::TooShort},         // the length is checked first
      {"1234\xC3\xA9", HexVerdict::TooShort},  // five characters in six bytes
      {"12345G", HexVerdict::NotHexadecimal},
      {"1a2b3c", HexVerdict::NotHexadecimal},  // the boxes upper-case; stored text does not
      {"00 080", HexVerdict::NotHexadecimal},
      {"#00008", HexVerdict::NotHexadecimal},
      {"00008\xC3", HexVerdict::NotHexadecimal},
  };
  for (const auto& [text, verdict] : cases) EXPECT_EQ(hexVerdict(text), verdict) << text;
}

TEST(colour_text_test, rejection_messages_start_with_line_feed_and_carriage_return) {
  EXPECT_EQ(hexRejectionMessage(HexVerdict::TooShort),
            "\n\rPlease enter a 6 character hexadecimal value.");
  EXPECT_EQ(hexRejectionMessage(HexVerdict::NotHexadecimal),
            "\n\rNumber entered is not a valid hexadecimal value.");
  EXPECT_EQ(hexRejectionMessage(HexVerdict::Accepted), "");
}

TEST(colour_text_test, colour_parts_read_red_green_blue_in_that_order) {
  EXPECT_EQ(colourParts("1A2B3C"), (ColourParts{0x1A, 0x2B, 0x3C}));
  EXPECT_EQ(colourParts("000080"), (ColourParts{0, 0, 0x80}));
  EXPECT_EQ(colourParts("ff8000"), (ColourParts{0xFF, 0x80, 0}));
}

TEST(colour_text_test, colour_parts_need_six_hex_digits) {
  for (const char* text : {"", "00008", "0000800", "00008G", "0x0080"})
    EXPECT_EQ(colourParts(text), std::nullopt) << text;
}

TEST(colour_text_test, upper_casing_changes_only_a_to_z) {
  EXPECT_EQ(upperCasedAscii("1a2b3c"), "1A2B3C");
  EXPECT_EQ(upperCasedAscii("az@[`{AZ"), "AZ@[`{AZ");
  EXPECT_EQ(upperCasedAscii("\xC3\xA9x"), "\xC3\xA9X");
}

}  // namespace
