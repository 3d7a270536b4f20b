#include "engine/utf8_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(Utf8Text, WellFormedCheck) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {std::string("a\0b", 3), true},
      {"\xEF\xBB\xBFunit", true},       // byte-order mark
      {"caf\xC3\xA9", true},            // é
      {"\xF0\x9F\x98\x80", true},       // U+1F600
      {"\xF4\x8F\xBF\xBF", true},       // U+10FFFF
      {"caf\xE9", false},               // Windows-1252 é
      {"\xA0", false},                  // lone continuation
      {"\xC0\xAF", false},              // overlong
      {"\xE0\x80\xAF", false},          // overlong
      {"\xED\xA0\x80", false},          // surrogate
      {"\xF4\x90\x80\x80", false},      // above U+10FFFF
      {"\xC3", false},                  // cut short
      {"\xE2\x82", false},              // cut short
      {"\xF8\x88\x80\x80\x80", false},  // five bytes
  };
  for (const auto& [bytes, valid] : cases) EXPECT_EQ(isValidUtf8(bytes), valid) << bytes;
}

}  // namespace
