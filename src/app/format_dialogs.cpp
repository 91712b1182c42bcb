#include "app/format_dialogs.h"

#include <utility>

#include "app/character_format_dialog.h"
#include "app/character_table_dialog.h"
#include "app/columns_dialog.h"
#include "app/numbering_dialog.h"
#include "app/paragraph_dialog.h"
#include "app/style_dialogs.h"
#include "app/tab_stops_dialog.h"
#include "platform/font_engine.h"

namespace vendaro {
namespace {

template <typename Dialog, typename... Arguments>
Dialog& kept(Dialog*& dialog, Arguments&&... arguments) {
  if (!dialog) dialog = new Dialog(std::forward<Arguments>(arguments)...);
  return *dialog;
}

}  // namespace

CharacterTableDialog& FormatDialogs::characterTable() { return kept(characterTable_, FontEngine::shared(), &owner_); }
CharacterFormatDialog& FormatDialogs::characterFormat() { return kept(characterFormat_, &owner_); }
ParagraphDialog& FormatDialogs::paragraph() { return kept(paragraph_, &owner_); }
TabStopsDialog& FormatDialogs::tabStops() { return kept(tabStops_, &owner_); }
NumberingDialog& FormatDialogs::numbering() {
  return kept(numbering_, FontEngine::shared(), characterTable(), &owner_);
}
ColumnsDialog& FormatDialogs::columns() { return kept(columns_, &owner_); }
StyleNameDialog& FormatDialogs::styleName() { return kept(styleName_, &owner_); }
StyleManagerDialog& FormatDialogs::styleManager() { return kept(styleManager_, styleName(), &owner_); }

}  // namespace vendaro
