#include "editing/command_needs.h"

#include <algorithm>
#include <cstdlib>

#include "document/selection.h"

namespace vendaro {
namespace {

bool anyObjectSelected(const Document& doc) {
  return std::any_of(doc.Fields.begin(), doc.Fields.end(),
                     [](const TFieldRec& frame) { return frame.FieldType > kFieldFooter && frame.ObjSelected; });
}

bool onePictureSelected(const Document& doc, const TFieldRec& frame) {
  if (doc.MarkField != doc.CurField || doc.MarkLine != doc.CurLine || std::abs(doc.MarkChar - doc.CurChar) != 1)
    return false;
  if (doc.CurLine < 0 || doc.CurLine >= frame.LineCount()) return false;
  const TLineRec& line = frame.Lines[static_cast<size_t>(doc.CurLine)];
  const int32_t cell = std::min(doc.MarkChar, doc.CurChar);
  return cell >= 0 && cell < line.CharCount() && line.Chars[static_cast<size_t>(cell)].Kind == kCellPicture;
}

bool holdsText(const CommandContext& context) { return context.frameKind >= 0 && context.frameKind <= kFieldTextBox; }

}  // namespace

CommandContext commandContext(const Document* doc) {
  CommandContext context;
  if (!doc) return context;
  context.document = true;
  context.unsavedChanges = doc->DocFileName.empty() || doc->Modified;
  context.selection = isThereAmarking(*doc) || anyObjectSelected(*doc);
  if (doc->CurField < 0 || doc->CurField >= doc->FieldCount()) return context;
  const TFieldRec& frame = doc->Fields[static_cast<size_t>(doc->CurField)];
  context.frameKind = frame.FieldType;
  if (doc->CurLine >= 0 && doc->CurLine < frame.LineCount())
    context.inTable = frame.Lines[static_cast<size_t>(doc->CurLine)].InTable != 0;
  context.pictureCell = onePictureSelected(*doc, frame);
  return context;
}

bool commandAllowed(CommandNeed need, const CommandContext& context) {
  switch (need) {
    case CommandNeed::nothing: return true;
    case CommandNeed::document: return context.document;
    case CommandNeed::unsavedChanges: return context.document && context.unsavedChanges;
    case CommandNeed::selection: return context.document && context.selection;
    case CommandNeed::clipboardData: return context.document && context.clipboardData;
    case CommandNeed::textFrame: return holdsText(context);
    case CommandNeed::textBox: return context.frameKind == kFieldTextBox;
    case CommandNeed::objectFrame: return context.frameKind >= kFieldTextBox;
    case CommandNeed::outsideTable: return holdsText(context) && !context.inTable;
    case CommandNeed::insideTable: return holdsText(context) && context.inTable;
    case CommandNeed::pictureCell: return context.document && context.pictureCell;
  }
  return false;
}

}  // namespace vendaro
