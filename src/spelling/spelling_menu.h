// spelling_menu.h — the entries the editor's pop-up menu gets on a misspelt
// word, as plain data for the front end: up to five suggestions, "Wort
// ignorieren", "Wort lernen", framed by separators.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vendaro {

// Items with a tag above 98 belong to the spelling entries; the front end
// removes them before it shows the menu again.
inline constexpr int32_t kSpellingMenuTag = 99;
// Suggestion i (from 0) carries tag 100 + i.
inline constexpr int32_t kFirstSuggestionTag = 100;
inline constexpr size_t kMaxMenuSuggestions = 5;

enum class SpellingMenuAction { Separator, LearnWord, IgnoreWord, UseSuggestion };

struct SpellingMenuItem {
  SpellingMenuAction action = SpellingMenuAction::Separator;
  std::string caption;  // code page 1252; empty for a separator
  int32_t tag = kSpellingMenuTag;

  bool operator==(const SpellingMenuItem&) const = default;
};

// The entries top to bottom, to be put above the menu's fixed items. The
// entries are inserted one by one at the top, so the menu reads: suggestions
// 5 to 1, separator, "Wort ignorieren", "Wort lernen", separator.
std::vector<SpellingMenuItem> buildSpellingMenu(std::span<const std::string> suggestions);

bool isSpellingMenuTag(int32_t tag);

// The suggestion an item with `tag` stands for; none when the tag is no
// suggestion's or the list has changed since the menu was built.
std::optional<std::string> suggestionForTag(std::span<const std::string> suggestions, int32_t tag);

}  // namespace vendaro
