#include "gui/web_address.h"

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isSchemeCharacter(char c) {
  return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool hasScheme(const std::string& address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string::npos || colon == 0 || !isAsciiLetter(address[0])) return false;
  for (std::size_t i = 1; i < colon; ++i)
    if (!isSchemeCharacter(address[i])) return false;
  return true;
}

}  // namespace

std::string addressWithScheme(const std::string& address) {
  return hasScheme(address) ? address : "https://" + address;
}
