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
  const auto found = index_.find(name);
  return found == index_.end() ? nullptr : &values_[found->second];
}

void RegKey::setValue(RegValue value) {
  const auto [found, added] = index_.try_emplace(value.name, values_.size());
  if (added) {
    values_.push_back(std::move(value));
    return;
  }
  RegValue& existing = values_[found->second];
  existing.type = value.type;
  existing.data = std::move(value.data);
}

const RegKey* RegKeyTree::findKey(std::string_view path) const {
  const auto found = index_.find(path);
  return found == index_.end() ? nullptr : &keys_[found->second];
}

RegKey* RegKeyTree::findKey(std::string_view path) {
  return const_cast<RegKey*>(std::as_const(*this).findKey(path));
}

RegKey& RegKeyTree::addKey(std::string_view path) {
  const auto [found, added] = index_.try_emplace(std::string(path), keys_.size());
  if (added) keys_.emplace_back(std::string(path));
  return keys_[found->second];
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
