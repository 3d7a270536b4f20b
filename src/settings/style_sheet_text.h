#pragma once

#include "settings/settings_store.h"
#include "settings/theme.h"

#include <string>
#include <string_view>

/// The CSS style sheet of a theme, for the pages of style-sheet mode: one
/// rule per class that has a style class name, in the order Comment, Number,
/// Reserved, Strings, carrying the class's in-code look (colour, bold,
/// italic, underline; see styleDeclarations). A name of several words, as a
/// class attribute reads it, selects the elements of all of them. Every line
/// ends CR LF.
std::string styleSheetText(const Theme& theme);

/// The style sheet of the settings as the store holds them, every key read
/// (the class names, and their looks whatever the mode). A read error raises.
std::string storedStyleSheet(SettingsStore& store);

/// A class selector for the words of a class attribute's value, such as
/// ".a.b" for "a b": each word escaped as a CSS identifier, so that no name
/// can end the selector or start another rule. Empty when there is no word.
std::string classSelector(std::string_view classAttribute);
