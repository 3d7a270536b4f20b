#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// Registry value types known by number.
enum RegType : std::uint32_t { RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDword = 4 };

/// The four little-endian data bytes of a REG_DWORD.
std::string dwordData(std::uint32_t number);
/// The number held by four little-endian bytes.
std::uint32_t dwordNumber(std::string_view data);

/// The data of a string value holding text: the text and a zero, UTF-16LE
/// with a two-byte zero when utf16 (see RegFileForm).
std::string regTextData(std::string_view text, bool utf16);
/// The text that string data holds, up to its first zero character.
std::string regTextOf(std::string_view data, bool utf16);

/// True when two key or value names are equal ignoring the case of A to Z.
bool sameRegName(std::string_view a, std::string_view b);

/// A hash of a name that names equal by sameRegName share.
struct RegNameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const;
};

/// sameRegName as a function object for RegNameIndex.
struct RegNameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return sameRegName(a, b); }
};

/// Positions by name, found ignoring the case of A to Z without a copy of
/// the name, so a file of many keys or values reads in linear time.
using RegNameIndex = std::unordered_map<std::string, std::size_t, RegNameHash, RegNameEqual>;

/// The form of a registry file, kept so that a file is written back as it came.
struct RegFileForm {
  /// "REGEDIT4", whose string values hold 8-bit text as the registry's 8-bit
  /// functions give it, or "Windows Registry Editor Version 5.00", whose
  /// string values hold UTF-16LE text as the registry itself keeps it.
  enum class Header { Regedit4, Version5 };
  /// How the file's text is stored: its bytes as they are, after a UTF-8
  /// byte-order mark, or as UTF-16LE after its byte-order mark.
  enum class Encoding { Bytes, Utf8WithMark, Utf16WithMark };

  Header header = Header::Regedit4;
  Encoding encoding = Encoding::Bytes;

  bool operator==(const RegFileForm&) const = default;
};

/// One named value: its registry type and its data bytes as the registry
/// holds them (a REG_SZ text with its terminating zero, a REG_DWORD as
/// four little-endian bytes).
struct RegValue {
  std::string name;
  std::uint32_t type = RegSz;
  std::string data;

  bool operator==(const RegValue&) const = default;
};

/// A ; comment line inside a key's block, kept where it stood: before the
/// value at that position (the count of values: after the last).
struct RegComment {
  std::size_t beforeValue;
  std::string line;

  bool operator==(const RegComment&) const = default;
};

/// One key: its full path (such as "HKEY_CURRENT_USER\Software"), its
/// values in the order they were first written and the comment lines of
/// its block.
class RegKey {
 public:
  explicit RegKey(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  const std::vector<RegValue>& values() const { return values_; }
  /// The comment lines just before the key's [path] line.
  const std::vector<std::string>& headComments() const { return headComments_; }
  const std::vector<RegComment>& comments() const { return comments_; }
  void addHeadComment(std::string line) { headComments_.push_back(std::move(line)); }
  /// Adds a comment line after the values the key holds so far.
  void addComment(std::string line) { comments_.push_back({values_.size(), std::move(line)}); }
  /// The value of that name, or null.
  const RegValue* findValue(std::string_view name) const;
  /// Replaces the value of the same name where it stands, or appends it.
  void setValue(RegValue value);

  bool operator==(const RegKey& other) const {
    return path_ == other.path_ && values_ == other.values_ &&
           headComments_ == other.headComments_ && comments_ == other.comments_;
  }

 private:
  std::string path_;
  std::vector<RegValue> values_;
  std::vector<std::string> headComments_;
  std::vector<RegComment> comments_;
  /// Most keys hold a few values, found faster (and made much faster) by a
  /// look at each: only a key with more is indexed.
  static constexpr std::size_t UnindexedValues = 16;
  RegNameIndex index_;
};

/// The keys of a registry file in the order they were read or made, and the
/// file's form; a new tree is a REGEDIT4 file.
class RegKeyTree {
 public:
  RegKeyTree() = default;
  explicit RegKeyTree(RegFileForm form) : form_(form) {}

  const RegFileForm& form() const { return form_; }
  /// True when string values hold UTF-16LE text.
  bool holdsUtf16Text() const { return form_.header == RegFileForm::Header::Version5; }
  const RegKey* findKey(std::string_view path) const;
  RegKey* findKey(std::string_view path);
  /// The key of that path, appended when missing; its parents are not made.
  RegKey& addKey(std::string_view path);
  /// Makes room for count keys at once.
  void reserveKeys(std::size_t count);
  /// The key of that path, made when missing together with every missing
  /// key on its path below the hive (the hive itself has no block).
  RegKey& createKey(std::string_view path);
  /// Every key, each one's parents before it; otherwise in tree order.
  std::vector<const RegKey*> keysParentsFirst() const;

  const std::vector<RegKey>& keys() const { return keys_; }

  /// The comment lines that stand apart at the top of the file, after the
  /// header and before a blank line, and those after the last block.
  const std::vector<std::string>& leadingComments() const { return leadingComments_; }
  const std::vector<std::string>& trailingComments() const { return trailingComments_; }
  void addLeadingComment(std::string line) { leadingComments_.push_back(std::move(line)); }
  void addTrailingComment(std::string line) { trailingComments_.push_back(std::move(line)); }

  bool operator==(const RegKeyTree& other) const {
    return form_ == other.form_ && keys_ == other.keys_ &&
           leadingComments_ == other.leadingComments_ &&
           trailingComments_ == other.trailingComments_;
  }

 private:
  RegFileForm form_;
  std::vector<std::string> leadingComments_;
  std::vector<std::string> trailingComments_;
  std::vector<RegKey> keys_;
  RegNameIndex index_;
};
