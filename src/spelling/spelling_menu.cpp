// spelling_menu.cpp — building the spelling entries of the pop-up menu.
#include "spelling/spelling_menu.h"

#include <algorithm>

namespace vendaro {

std::vector<SpellingMenuItem> buildSpellingMenu(std::span<const std::string> suggestions) {
  // Listed in the order they are put at the top of the menu; reversed below.
  std::vector<SpellingMenuItem> inserted = {
      {SpellingMenuAction::Separator, "", kSpellingMenuTag},
      {SpellingMenuAction::LearnWord, "Wort lernen", kSpellingMenuTag},
      {SpellingMenuAction::IgnoreWord, "Wort ignorieren", kSpellingMenuTag},
      {SpellingMenuAction::Separator, "", kSpellingMenuTag},
  };
  const size_t shown = std::min(suggestions.size(), kMaxMenuSuggestions);
  for (size_t i = 0; i < shown; ++i) {
    inserted.push_back({SpellingMenuAction::UseSuggestion, suggestions[i],
                        kFirstSuggestionTag + static_cast<int32_t>(i)});
  }
  std::reverse(inserted.begin(), inserted.end());
  return inserted;
}

bool isSpellingMenuTag(int32_t tag) { return tag >= kSpellingMenuTag; }

std::optional<std::string> suggestionForTag(std::span<const std::string> suggestions, int32_t tag) {
  if (tag < kFirstSuggestionTag) return std::nullopt;
  const auto index = static_cast<size_t>(tag - kFirstSuggestionTag);
  if (index >= suggestions.size() || index >= kMaxMenuSuggestions) return std::nullopt;
  return suggestions[index];
}

}  // namespace vendaro
