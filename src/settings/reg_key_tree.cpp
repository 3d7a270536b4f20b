#include "settings/reg_key_tree.h"

#include "settings/utf16_text.h"

#include <algorithm>
#include <utility>

namespace {

char foldCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

/// The path without its last component; empty for a hive.
std::string_view parentPath(std::string_view path) {
  const auto cut = path.rfind('\\');
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut);
}

}  // namespace

std::string dwordData(std::uint32_t number) {
  std::string data(4, '\0');
  for (auto& byte : data) {
    byte = static_cast<char>(number & 0xff);
    number >>= 8;
  }
  return data;
}

std::uint32_t dwordNumber(std::string_view data) {
  std::uint32_t number = 0;
  for (auto byte = data.rbegin(); byte != data.rend(); ++byte) {
    number = number << 8 | static_cast<unsigned char>(*byte);
  }
  return number;
}

std::string regTextData(std::string_view text, bool utf16) {
  if (!utf16) return std::string(text) + '\0';
  return utf16LeKeepingSurrogates(text) + std::string(2, '\0');
}

std::string regTextOf(std::string_view data, bool utf16) {
  if (!utf16) return std::string(data.substr(0, data.find('\0')));
  // The text ends at the first zero character, not at a zero byte.
  std::size_t end = 0;
  while (end + 1 < data.size() && (data[end] != '\0' || data[end + 1] != '\0')) end += 2;
  return utf8FromUtf16Le(data.substr(0, end));
}

bool sameRegName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldCase(x) == foldCase(y);
         });
}

std::size_t RegNameHash::operator()(std::string_view name) const {
  // FNV-1a over the folded bytes.
  std::size_t hash = 14695981039346656037ull;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(foldCase(c))) * 1099511628211ull;
  return hash;
}

const RegValue* RegKey::findValue(std::string_view name) const {
  if (index_.empty()) {
    const auto found = std::find_if(values_.begin(), values_.end(), [&](const RegValue& value) {
      return sameRegName(value.name, name);
    });
    return found == values_.end() ? nullptr : &*found;
  }
  const auto found = index_.find(name);
  return found == index_.end() ? nullptr : &values_[found->second];
}

void RegKey::setValue(RegValue value) {
  if (const RegValue* found = findValue(value.name)) {
    RegValue& existing = values_[static_cast<std::size_t>(found - values_.data())];
    existing.type = value.type;
    existing.data = std::move(value.data);
    return;
  }
  values_.push_back(std::move(value));
  if (!index_.empty()) {
    index_.emplace(values_.back().name, values_.size() - 1);
  } else if (values_.size() > UnindexedValues) {
    for (std::size_t i = 0; i < values_.size(); ++i) index_.emplace(values_[i].name, i);
  }
}

const RegKey* RegKeyTree::findKey(std::string_view path) const {
  const auto found = index_.find(path);
  return found == index_.end() ? nullptr : &keys_[found->second];
}

RegKey* RegKeyTree::findKey(std::string_view path) {
  return const_cast<RegKey*>(std::as_const(*this).findKey(path));
}

RegKey& RegKeyTree::addKey(std::string_view path) {
  if (const auto found = index_.find(path); found != index_.end()) return keys_[found->second];
  index_.emplace(std::string(path), keys_.size());
  return keys_.emplace_back(std::string(path));
}

void RegKeyTree::reserveKeys(std::size_t count) {
  keys_.reserve(count);
  index_.reserve(count);
}

RegKey& RegKeyTree::createKey(std::string_view path) {
  for (auto end = path.find('\\'); end != std::string_view::npos; end = path.find('\\', end + 1)) {
    const auto ancestor = path.substr(0, end);
    if (ancestor.find('\\') != std::string_view::npos) addKey(ancestor);
  }
  return addKey(path);
}

std::vector<const RegKey*> RegKeyTree::keysParentsFirst() const {
  // A key hangs below its nearest ancestor that has a block of its own.
  std::vector<std::vector<std::size_t>> children(keys_.size());
  std::vector<std::size_t> tops;
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    auto ancestor = parentPath(keys_[i].path());
    auto found = index_.end();
    while (!ancestor.empty() && found == index_.end()) {
      found = index_.find(ancestor);
      ancestor = parentPath(ancestor);
    }
    (found == index_.end() ? tops : children[found->second]).push_back(i);
  }

  std::vector<const RegKey*> ordered;
  std::vector<std::size_t> pending(tops.rbegin(), tops.rend());
  while (!pending.empty()) {
    const auto i = pending.back();
    pending.pop_back();
    ordered.push_back(&keys_[i]);
    pending.insert(pending.end(), children[i].rbegin(), children[i].rend());
  }
  return ordered;
}
