#include "gui/code_page.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

std::string allBytes() {
  std::string bytes;
  for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
  return bytes;
}

TEST(code_page, units_that_are_not_utf8_are_windows_1252) {
  const std::pair<std::string, CodePage> cases[] = {
      {"", CodePage::Utf8},
      {"begin end.", CodePage::Utf8},
      {"'\xE2\x82\xAC'", CodePage::Utf8},  // € in UTF-8
      {"'\x80'", CodePage::Windows1252},
      {"caf\xE9", CodePage::Windows1252},
  };
  for (const auto& [bytes, page] : cases) EXPECT_EQ(codePageOf(bytes), page) << bytes;
}

TEST(code_page, each_byte_reads_as_its_windows_1252_character) {
  const std::pair<unsigned char, char16_t> cases[] = {
      {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
      {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020},
      {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039},
      {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090},
      {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022},
      {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161},
      {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D}, {0x9E, 0x017E}, {0x9F, 0x0178},
      {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
  };
  for (const auto& [byte, character] : cases) {
    const std::string bytes(1, static_cast<char>(byte));
    EXPECT_EQ(decodeText(bytes, CodePage::Windows1252), QString(QChar(character))) << int{byte};
    EXPECT_EQ(encodeText(QString(QChar(character)), CodePage::Windows1252), bytes) << int{byte};
  }
}

TEST(code_page, every_byte_survives_both_ways) {
  const std::string bytes = allBytes();
  const QString text = decodeText(bytes, CodePage::Windows1252);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(encodeText(text, CodePage::Windows1252), bytes);
}

TEST(code_page, characters_windows_1252_lacks_become_a_question_mark) {
  const std::pair<QString, std::string> cases[] = {
      {QStringLiteral(u"\u03A9"), "?"},  // Greek capital omega
      {QStringLiteral(u"a\u20ACb\u4E2D"),
       "a\x80"
       "b?"},
      {QStringLiteral(u"\U0001F600!"), "?!"},  // one character in two UTF-16 units
      {QString(QChar(0xD800)), "?"},           // a lone surrogate
      {QStringLiteral(u"\u201Cq\u201D"), "\x93q\x94"},
  };
  for (const auto& [text, bytes] : cases)
    EXPECT_EQ(encodeText(text, CodePage::Windows1252), bytes) << text.toStdString();
}

TEST(code_page, utf8_units_stay_utf8) {
  const std::string bytes = "x := '\xE2\x82\xAC\xF0\x9F\x98\x80';";
  const QString text = decodeText(bytes, CodePage::Utf8);
  EXPECT_EQ(text, QStringLiteral(u"x := '\u20AC\U0001F600';"));
  EXPECT_EQ(encodeText(text, CodePage::Utf8), bytes);
}

TEST(code_page, the_core_reads_the_characters_the_panes_show) {
  const std::string windows = allBytes();
  EXPECT_EQ(toUtf8(windows, CodePage::Windows1252),
            decodeText(windows, CodePage::Windows1252).toUtf8().toStdString());
  const std::string utf8 = "x := '\xE2\x82\xAC\xF0\x9F\x98\x80';";
  EXPECT_EQ(toUtf8(utf8, CodePage::Utf8), utf8);
  const std::pair<std::string, Utf8Character> starts[] = {
      {"\xE2\x82\xAC!", {0x20AC, 3}},
      {"\xF0\x9F\x98\x80", {0x1F600, 4}},
      // A byte that starts no sequence is its Windows-1252 character.
      {"\x80\x80", {0x20AC, 1}},
      {"\xE9t", {0xE9, 1}},
  };
  for (const auto& [text, character] : starts) {
    const Utf8Character read = characterAt(text, CodePage::Utf8);
    EXPECT_EQ(read.code, character.code) << text;
    EXPECT_EQ(read.length, character.length) << text;
  }
  EXPECT_EQ(characterAt("\xE2\x82\xAC", CodePage::Windows1252).code, 0xE2u);
}

}  // namespace
