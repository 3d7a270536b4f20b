#include "settings/reg_file_format.h"
#include "settings/memory_store.h"
#include "settings/settings_io.h"
#include "settings/utf16_text.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

const std::string Key = "[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings]";

std::string fixture(const std::string& name) {
  return readBytes(std::string(TESSALINE_SETTINGS_TEST_DATA) + "/" + name);
}

/// The one value that a file of one key and one value line holds.
RegValue parseOneValue(const std::string& valueLine) {
  const auto tree = parseRegFile("REGEDIT4\r\n\r\n" + Key + "\r\n" + valueLine + "\r\n");
  EXPECT_EQ(tree.keys().size(), 1u);
  EXPECT_EQ(tree.keys()[0].values().size(), 1u);
  return tree.keys()[0].values().at(0);
}

using namespace std::string_literals;

struct AcceptedValue {
  std::string line;
  RegValue expected;
};

void PrintTo(const AcceptedValue& param, std::ostream* out) { *out << param.line; }

class ValueForms : public testing::TestWithParam<AcceptedValue> {};

TEST_P(ValueForms, ReadAsTheRegistryHoldsThem) {
  EXPECT_EQ(parseOneValue(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RegFileFormat, ValueForms,
    testing::Values(
        AcceptedValue{R"("Color"="000080")", {"Color", RegSz, "000080\0"s}},
        AcceptedValue{R"("Sheet"="say \"hi\" in C:\\web\\")",
                      {"Sheet", RegSz, "say \"hi\" in C:\\web\\\0"s}},
        AcceptedValue{R"("Sheet"="a\b")", {"Sheet", RegSz, "a\\b\0"s}},
        AcceptedValue{"\"Sheet\"=\"caf\xe9 \x80\xff\"", {"Sheet", RegSz, "caf\xe9 \x80\xff\0"s}},
        AcceptedValue{R"("Color"="")", {"Color", RegSz, "\0"s}},
        AcceptedValue{R"("TabSize"=dword:0000000a)", {"TabSize", RegDword, "\x0a\0\0\0"s}},
        AcceptedValue{R"("TabSize"=DWORD:FFFFFFFB)", {"TabSize", RegDword, "\xfb\xff\xff\xff"s}},
        AcceptedValue{R"("TabSize"=dword:7fffffff)", {"TabSize", RegDword, "\xff\xff\xff\x7f"s}},
        AcceptedValue{R"("TabSize"=dword:5)", {"TabSize", RegDword, "\x05\0\0\0"s}},
        AcceptedValue{R"("Sheet"=hex(2):25,41,25,00,42,00)", {"Sheet", RegExpandSz, "%A%\0B\0"s}},
        AcceptedValue{R"("Sheet"=hex(2):)", {"Sheet", RegExpandSz, ""}},
        AcceptedValue{R"("Sheet"=hex(1):41,0d,0a,42,00)", {"Sheet", RegSz, "A\r\nB\0"s}},
        AcceptedValue{R"("Bold"=hex(4):01,00,00,00)", {"Bold", RegDword, "\x01\0\0\0"s}},
        AcceptedValue{R"("Placement"=hex:2c,0,FF)", {"Placement", RegBinary, "\x2c\0\xff"s}},
        AcceptedValue{R"("List"=hex(7):61,00,00)", {"List", 7, "a\0\0"s}},
        AcceptedValue{"\"Sheet\"=hex(2):41,\\\r\n  42,\\\n  00", {"Sheet", RegExpandSz, "AB\0"s}},
        AcceptedValue{R"(@="default")", {"", RegSz, "default\0"s}},
        AcceptedValue{"  \"Color\" = \"00ff00\"\t", {"Color", RegSz, "00ff00\0"s}}));

const std::string UnknownHeader =
    "the file starts with an unknown header: expected the line REGEDIT4 or Windows Registry "
    "Editor Version 5.00";
const std::string ExpectedEncodings =
    "expected UTF-16LE with a byte-order mark, UTF-8 or 8-bit text";

struct RejectedText {
  std::string text;
  int line;
  std::string problem;
};

void PrintTo(const RejectedText& param, std::ostream* out) { *out << param.text; }

class SyntaxErrors : public testing::TestWithParam<RejectedText> {};

TEST_P(SyntaxErrors, NameTheLineAndTheProblem) {
  try {
    parseRegFile(GetParam().text);
    FAIL() << "parsed";
  } catch (const RegFileSyntaxError& error) {
    EXPECT_EQ(error.line(), GetParam().line);
    EXPECT_EQ(error.problem(), GetParam().problem);
  }
}

INSTANTIATE_TEST_SUITE_P(
    RegFileFormat, SyntaxErrors,
    testing::Values(
        RejectedText{"", 1, UnknownHeader}, RejectedText{"REGEDIT5\r\n", 1, UnknownHeader},
        RejectedText{"Windows Registry Editor Version 5.01\r\n", 1, UnknownHeader},
        RejectedText{"\x7f"
                     "ELF\x02\x01\x01\0\0\0"s,
                     1, UnknownHeader},
        RejectedText{"R\0E\0G\0E\0D\0I\0T\0"
                     "4\0"s,
                     1, "the file is UTF-16 without a byte-order mark: " + ExpectedEncodings},
        RejectedText{"\0R\0E\0G"s, 1,
                     "the file is UTF-16 without a byte-order mark: " + ExpectedEncodings},
        RejectedText{"\xfe\xff\0R\0E"s, 1, "the file is UTF-16 big-endian: " + ExpectedEncodings},
        RejectedText{"REGEDIT4\n\"Incode\"=dword:1\n", 2, "a value stands before the first [key]"},
        RejectedText{"REGEDIT4\n\n[HKEY_CURRENT_USER\\Soft", 3, "the key name has no closing ]"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"Color\"=\"0000", 3, "the text has no closing quote"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"Col", 3, "the value name has no closing quote"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=\"x\" y\n", 3,
                     "unexpected characters after the closing quote"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"\n", 3, "expected = after the value name"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=dword:123456789\n", 3,
                     "dword: needs 1 to 8 hex digits"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=dword:\n", 3, "dword: needs 1 to 8 hex digits"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=hex(2):4g\n", 3,
                     "hex data needs bytes of two hex digits separated by commas"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=hex(2):41,,42\n", 3,
                     "hex data needs bytes of two hex digits separated by commas"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=hex(x):41\n", 3,
                     "hex( needs a hex type number and )"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=hex(2)41\n", 3, "expected : after hex"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=hex(2):41,\\\n", 3,
                     "the data goes on past the end of the file"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=-\n", 3,
                     "value deletions (=-) are not supported"},
        RejectedText{"REGEDIT4\n" + Key + "\n\"A\"=true\n", 3,
                     "expected \"text\", dword: or hex: after ="},
        RejectedText{"REGEDIT4\n[-HKEY_CURRENT_USER\\Software]\n", 2,
                     "expected a key name between [ and ]"},
        RejectedText{"REGEDIT4\r\n\r\n" + Key + "\r\nIncode=1\r\n", 4,
                     "expected a [key], a \"Name\"=value line, a ; comment or a blank line"}));

TEST(RegFileFormat, LineEndsOfEveryKindReadAlike) {
  const std::string lines[] = {"REGEDIT4",
                               "",
                               "; exported by hand",
                               Key,
                               "\"Incode\"=dword:00000001",
                               "\"Sheet\"=hex(2):41,\\",
                               "  00",
                               ""};
  std::string crlf, lf, cr;
  for (const auto& line : lines) {
    crlf += line + "\r\n";
    lf += line + "\n";
    cr += line + "\r";
  }
  const auto expected = parseRegFile(crlf);
  ASSERT_EQ(expected.keys().size(), 1u);
  EXPECT_EQ(expected.keys()[0].values().size(), 2u);
  EXPECT_EQ(parseRegFile(lf), expected);
  EXPECT_EQ(parseRegFile(cr), expected);
}

TEST(RegFileFormat, CommentEndingInBackslashDoesNotSwallowTheNextLine) {
  const auto tree = parseRegFile("REGEDIT4\n" + Key + "\n; kept in C:\\\n\"Incode\"=dword:1\n");
  EXPECT_NE(tree.keys()[0].findValue("Incode"), nullptr);
}

TEST(RegFileFormat, KeyNamedTwiceGathersValuesAndLaterValueWins) {
  const auto tree = parseRegFile("REGEDIT4\n" + Key + "\n\"A\"=\"1\"\n\"B\"=\"2\"\n" +
                                 "[hkey_current_user\\software\\korvane\\tessaline\\settings]\n" +
                                 "\"a\"=\"3\"\n\"C\"=\"4\"\n");
  ASSERT_EQ(tree.keys().size(), 1u);
  const auto& values = tree.keys()[0].values();
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0], (RegValue{"A", RegSz, "3\0"s}));
  EXPECT_EQ(values[1].name, "B");
  EXPECT_EQ(values[2].name, "C");
}

TEST(RegFileFormat, WritesAsARegistryEditorExports) {
  RegKeyTree tree;
  auto& key = tree.addKey("HKEY_CURRENT_USER\\Software\\Korvane");
  key.setValue({"Quoted", RegSz, "say \"hi\" in C:\\web\0"s});
  key.setValue({"Empty", RegSz, "\0"s});
  key.setValue({"Minus", RegDword, dwordData(static_cast<std::uint32_t>(-5))});
  key.setValue({"Largest", RegDword, dwordData(2147483647)});
  key.setValue({"Broken", RegSz, "a\r\nb\0"s});
  key.setValue({"Unended", RegSz, "ab"});
  key.setValue({"Inner", RegSz, "a\0b\0"s});
  key.setValue({"Expand", RegExpandSz, "%A%\0"s});
  key.setValue({"Short", RegDword, "\x01\0"s});
  key.setValue({"", RegSz, "default\0"s});
  tree.addKey("HKEY_CURRENT_USER\\Software\\Korvane\\Empty");
  EXPECT_EQ(formatRegFile(tree),
            "REGEDIT4\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Korvane]\r\n"
            "\"Quoted\"=\"say \\\"hi\\\" in C:\\\\web\"\r\n"
            "\"Empty\"=\"\"\r\n"
            "\"Minus\"=dword:fffffffb\r\n"
            "\"Largest\"=dword:7fffffff\r\n"
            "\"Broken\"=hex(1):61,0d,0a,62,00\r\n"
            "\"Unended\"=hex(1):61,62\r\n"
            "\"Inner\"=hex(1):61,00,62,00\r\n"
            "\"Expand\"=hex(2):25,41,25,00\r\n"
            "\"Short\"=hex(4):01,00\r\n"
            "@=\"default\"\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\Korvane\\Empty]\r\n"
            "\r\n");
}

TEST(RegFileFormat, ParentsAreWrittenBeforeChildrenOtherwiseInTreeOrder) {
  RegKeyTree tree;
  tree.addKey("HKEY_CURRENT_USER\\A\\B\\C");
  tree.addKey("HKEY_CURRENT_USER\\Z");
  tree.addKey("HKEY_CURRENT_USER\\A");
  tree.addKey("HKEY_CURRENT_USER\\A\\X");
  tree.addKey("HKEY_CURRENT_USER\\a\\b");
  std::vector<std::string> order;
  for (const RegKey* key : tree.keysParentsFirst()) order.push_back(key->path());
  EXPECT_EQ(order, (std::vector<std::string>{"HKEY_CURRENT_USER\\Z", "HKEY_CURRENT_USER\\A",
                                             "HKEY_CURRENT_USER\\A\\X", "HKEY_CURRENT_USER\\a\\b",
                                             "HKEY_CURRENT_USER\\A\\B\\C"}));
}

TEST(RegFileFormat, EveryByteAndLongTextsSurviveARoundTrip) {
  std::string allBytes;
  for (int byte = 1; byte < 256; ++byte) allBytes += static_cast<char>(byte);
  RegKeyTree tree;
  auto& key = tree.addKey("HKEY_CURRENT_USER\\Software\\Korvane");
  key.setValue({"AllBytes", RegSz, allBytes + '\0'});
  key.setValue({"Megabyte", RegSz, std::string(1 << 20, 'x') + '\0'});
  key.setValue({"MegabyteWithBreak", RegExpandSz, std::string(1 << 20, '\n') + '\0'});
  key.setValue({"Binary", RegBinary, allBytes});
  const auto text = formatRegFile(tree);
  EXPECT_EQ(parseRegFile(text), tree);

  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    ASSERT_EQ(line.back(), '\r');
    line.pop_back();
    if (line.find("=hex") != std::string::npos || line.starts_with("  ")) {
      ASSERT_LE(line.size(), 80u) << line;
    }
  }
}

TEST(RegFileFormat, RegistryEditorExportIsWrittenBackByteForByte) {
  const auto exported = fixture("exported.reg");
  const auto tree = parseRegFile(exported);
  EXPECT_EQ(tree.keys().size(), 10u);
  EXPECT_EQ(formatRegFile(tree), exported);
}

/// The version 5 export as UTF-8 text, with or without its byte-order mark.
std::string exportedAsUtf8(bool withMark) {
  const auto utf16 = fixture("exported5.reg");
  return (withMark ? "\xef\xbb\xbf" : "") + utf8FromUtf16Le(std::string_view(utf16).substr(2));
}

TEST(RegFileFormat, Version5ExportIsReadAndWrittenBackByteForByteInItsEncoding) {
  using Encoding = RegFileForm::Encoding;
  const std::pair<std::string, Encoding> files[] = {
      {fixture("exported5.reg"), Encoding::Utf16WithMark},
      {exportedAsUtf8(true), Encoding::Utf8WithMark},
      {exportedAsUtf8(false), Encoding::Bytes}};
  for (const auto& [bytes, encoding] : files) {
    const auto tree = parseRegFile(bytes);
    EXPECT_EQ(tree.form(), (RegFileForm{RegFileForm::Header::Version5, encoding}));
    ASSERT_EQ(tree.keys().size(), 10u);
    const RegKey& style = tree.keys()[8];
    // Texts are held as the registry holds them: UTF-16LE with a two-byte zero.
    EXPECT_EQ(style.findValue("Number")->data, "p\0a\0s\0-\0n\0u\0m\0b\0e\0r\0\0\0"s);
    EXPECT_EQ(style.findValue("Comment")->data,
              utf16LeFromUtf8("pas-kommentar-\xc3\xbc\xe2\x82\xac\xf0\x9f\x98\x80") + "\0\0"s);
    EXPECT_EQ(formatRegFile(tree), bytes);
  }
}

TEST(RegFileFormat, Version5TextsThatNoQuotedTextCanHoldAreWrittenAsHex) {
  RegKeyTree tree({RegFileForm::Header::Version5, RegFileForm::Encoding::Bytes});
  auto& key = tree.addKey("HKEY_CURRENT_USER\\K");
  key.setValue({"Odd", RegSz, "a\0\0"s});
  key.setValue({"Broken", RegSz, "a\0\n\0b\0\0\0"s});
  key.setValue({"Unended", RegSz, "a\0"s});
  key.setValue({"Lone", RegSz, "\x00\xd8\0\0"s});
  const auto text = formatRegFile(tree);
  EXPECT_EQ(text,
            "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n"
            "\"Odd\"=hex(1):61,00,00\r\n"
            "\"Broken\"=hex(1):61,00,0a,00,62,00,00,00\r\n"
            "\"Unended\"=hex(1):61,00\r\n"
            "\"Lone\"=hex(1):00,d8,00,00\r\n\r\n");
  EXPECT_EQ(parseRegFile(text), tree);
}

struct Utf16Case {
  std::string utf8;
  std::string utf16;
};

void PrintTo(const Utf16Case& param, std::ostream* out) { *out << param.utf8; }

class Utf16Text : public testing::TestWithParam<Utf16Case> {};

TEST_P(Utf16Text, ConvertsBothWays) {
  EXPECT_EQ(utf16LeFromUtf8(GetParam().utf8), GetParam().utf16);
  EXPECT_EQ(utf8FromUtf16Le(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(RegFileFormat, Utf16Text,
                         testing::Values(Utf16Case{"", ""}, Utf16Case{"A~", "A\0~\0"s},
                                         Utf16Case{"\xc3\xa9\xe2\x82\xac", "\xe9\0\xac\x20"s},
                                         Utf16Case{"\xf0\x9f\x98\x80", "\x3d\xd8\x00\xde"s},
                                         // Bytes of no UTF-8 character, overlong or surrogate forms
                                         // included, survive the way there and back.
                                         Utf16Case{"caf\xe9 \xc3", "c\0a\0f\0\xe9\xdc \0\xc3\xdc"s},
                                         Utf16Case{"\xc0\xaf\xed\xa0\x80",
                                                   "\xc0\xdc\xaf\xdc\xed\xdc\xa0\xdc\x80\xdc"s}));

TEST(RegFileFormat, LoneSurrogatesKeepTheirCodeInUtf8) {
  EXPECT_EQ(utf8FromUtf16Le("\x00\xd8x\0\x00\xdc"s), "\xed\xa0\x80x\xed\xb0\x80");
}

TEST(RegFileFormat, AnyBytesComeBackFromUtf16) {
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  bytes += "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xed\xa0\x80\xed\xb0\x80\xf4\x90\x80\x80";
  for (std::size_t start = 0; start < bytes.size(); ++start)
    ASSERT_EQ(utf8FromUtf16Le(utf16LeFromUtf8(bytes.substr(start))), bytes.substr(start));
}

TEST(RegFileFormat, CommentLinesStayWhereTheyStoodThroughAWriteOfTheSettings) {
  const std::string Other = "[HKEY_CURRENT_USER\\Software\\Other]";
  // Files as a registry editor writes them, with comments in every place one can stand.
  const std::string files[] = {
      "REGEDIT4\r\n\r\n; the whole file\r\n;   second line  \r\n\r\n" + Key + "\r\n\r\n",
      "REGEDIT4\r\n\r\n; about the key\r\n" + Key + "\r\n\"A\"=\"a\"\r\n\r\n",
      "REGEDIT4\r\n\r\n" + Key +
          "\r\n; first\r\n\"A\"=\"a\"\r\n; between\r\n\"B\"=\"b\"\r\n"
          "; last\r\n\r\n",
      "REGEDIT4\r\n\r\n" + Other + "\r\n\"K\"=\"k\"\r\n\r\n; before the next key\r\n" + Key +
          "\r\n\r\n; at the end\r\n",
      "REGEDIT4\r\n\r\n; only a comment\r\n\r\n",
  };
  for (const std::string& file : files) {
    const RegKeyTree tree = parseRegFile(file);
    EXPECT_EQ(formatRegFile(tree), file);
    MemoryStore store(tree);
    HeldSettings held;
    DialogSettingsState state;
    WriteToRegistry(store, held, state);
    // Every comment line is still there, in its order, once the settings are written.
    const std::string written = formatRegFile(store.tree());
    std::size_t at = 0;
    for (std::size_t line = file.find(';'); line != std::string::npos;
         line = file.find(';', line + 1)) {
      const std::string comment = file.substr(line, file.find("\r\n", line) - line);
      at = written.find(comment + "\r\n", at);
      ASSERT_NE(at, std::string::npos) << comment << " lost from\n" << written;
    }
    EXPECT_EQ(formatRegFile(parseRegFile(written)), written);
  }
}

/// A version 5 export, UTF-16LE with its mark, of the UTF-16 text given as units.
std::string version5File(const std::u16string& text) {
  std::string bytes = "\xff\xfe";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xff);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(RegFileFormat, Version5NamesAndValuesKeepTheirLoneSurrogates) {
  const std::u16string head =
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n";
  const std::u16string names[] = {u"X\xD800Y", u"\xDC00", u"\xDFFF\xD800", u"\xD800\xD800Z",
                                  u"end\xDBFF"};
  for (const std::u16string& name : names) {
    const std::string file = version5File(head + u"\"" + name + u"\"=dword:00000001\r\n\r\n");
    const std::string written = formatRegFile(parseRegFile(file));
    EXPECT_EQ(written, file);
    // The value's text keeps its code units too, held as hex data where no quoted text can.
    const std::string text = version5File(head + u"\"V\"=\"" + name + u"\"\r\n\r\n");
    const RegKeyTree tree = parseRegFile(text);
    EXPECT_EQ(tree.keys()[0].values()[0].data, version5File(name + u'\0').substr(2));
    EXPECT_EQ(parseRegFile(formatRegFile(tree)), tree);
  }
}

TEST(RegFileFormat, TextFromUtf16KeepsItsUnitsAndAnyBytesStillComeBack) {
  const std::string units[] = {"\x00\xd8"s,
                               "\x00\xd8\x00\xd8"s,
                               "\xff\xdb"
                               "A\0"s,
                               "\x00\xdc\x00\xd8"s,
                               "\x00\xdd"s,
                               "x\0\x00\xd8\x41\xdc"s};
  for (const std::string& utf16 : units)
    EXPECT_EQ(utf16LeKeepingSurrogates(utf8FromUtf16Le(utf16)), utf16);
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  bytes += "\xed\xa0\x80\xed\xb0\x80\xed\xa0\x80\x80\xed\xaf\xbf\xed\xa0\x80\xed\xbf\xbf";
  for (std::size_t start = 0; start < bytes.size(); ++start)
    ASSERT_EQ(utf8FromUtf16Le(utf16LeKeepingSurrogates(bytes.substr(start))), bytes.substr(start));
}

}  // namespace
