#pragma once

#include "engine/tag_set.h"
#include "settings/held_settings.h"

#include <string>

/// The open and close texts of one token class.
struct TagPair {
  std::string& open;
  std::string& close;

  /// Adds a piece inside the ones already there, keeping the pair nested.
  void wrap(const std::string& openTag, const std::string& closeTag) {
    open += openTag;
    close.insert(0, closeTag);
  }
};

/// The pair of tags that holds tokenClass's markup.
inline TagPair pairOf(TagSet& tags, TokenClass tokenClass) {
  switch (tokenClass) {
    case TokenClass::Comment:
      return {tags.CommentOpen, tags.CommentClose};
    case TokenClass::Number:
      return {tags.NumberOpen, tags.NumberClose};
    case TokenClass::Reserved:
      return {tags.ReservedOpen, tags.ReservedClose};
    case TokenClass::Strings:
      break;
  }
  return {tags.StringsOpen, tags.StringsClose};
}
