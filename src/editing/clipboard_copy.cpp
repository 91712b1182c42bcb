// clipboard_copy.cpp — copy and cut: the selection, or the selected object
// frames, with the footnote frames of the references in them, go to the
// clipboard as the formatted text stream and as plain text.
#include <utility>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "document/text_walk.h"
#include "editing/clipboard_enabling.h"
#include "editing/clipboard_streams.h"
#include "editing/editor.h"
#include "layout/page_painter.h"
#include "platform/dib_blocks.h"

namespace vendaro {
namespace {

// Fills a stream with copies of the document's lines; fonts and pictures
// are numbered afresh in the stream, each looked up once.
class StreamBuilder {
 public:
  StreamBuilder(const Document& doc, FormattedText& text)
      : doc_(doc), text_(text), fontMap_(static_cast<size_t>(doc.FontCount()), -1),
        pictureMap_(static_cast<size_t>(doc.PictureCount()), -1) {}

  // A copy of `line` with the cells `keep(index)` accepts.
  template <typename Keep>
  StreamLine copyLine(const TLineRec& line, bool endCopied, Keep keep) {
    StreamLine entry{line, endCopied};
    std::vector<TCharRec>& cells = entry.line.Chars;
    size_t kept = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
      if (!keep(static_cast<int32_t>(i)) || !takeCell(cells[i])) continue;
      if (kept != i) cells[kept] = std::move(cells[i]);
      ++kept;
    }
    cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(kept), cells.end());
    return entry;
  }

  StreamFrame copyFrame(const TFieldRec& frame) {
    StreamFrame entry;
    entry.frame = frame;
    entry.frame.Lines = LineList{};
    const LineList& lines = frame.Lines;
    entry.lines.reserve(lines.size());
    for (const TLineRec& line : lines) entry.lines.push_back(copyLine(line, true, [](int32_t) { return true; }));
    return entry;
  }

  // Each reference brings its footnote frame; one that has none gets an
  // empty frame, so that references and frames pair up in order.
  void addFootnoteFrames() {
    for (const TCharRec* reference : text_.noteReferences()) {
      const int32_t index = doc_.GetFootNoteField(reference->NoteID);
      if (index >= 0) text_.footnoteFrames.push_back(copyFrame(doc_.Fields[static_cast<size_t>(index)]));
      else text_.footnoteFrames.push_back({emptyFootnoteFrame(doc_, reference->NoteID), {}});
    }
  }

 private:
  bool takeCell(TCharRec& cell) {
    if (!isExchangedCell(cell) || cell.FontIndex < 0 || cell.FontIndex >= doc_.FontCount()) return false;
    cell.FontIndex = streamFont(cell.FontIndex);
    if (cell.Kind != kCellPicture) return true;
    const int32_t picture = streamPicture(cell.PictureIndex);
    cell.PictureIndex = static_cast<uint16_t>(picture);
    return picture >= 0;
  }

  int32_t streamFont(int32_t index) {
    int32_t& mapped = fontMap_[static_cast<size_t>(index)];
    if (mapped < 0) mapped = text_.fonts.GetNewFontIndex(doc_.Fonts[index]);
    return mapped;
  }

  // Pictures that cannot travel (released, or of a kind other programs'
  // streams may not hold) leave their cells behind.
  int32_t streamPicture(uint16_t index) {
    if (index >= pictureMap_.size() || !isExchangeableDib(doc_.Pictures[index])) return -1;
    int32_t& mapped = pictureMap_[index];
    if (mapped < 0) {
      mapped = static_cast<int32_t>(text_.pictures.size());
      text_.pictures.push_back(doc_.Pictures[index]);
    }
    return mapped;
  }

  const Document& doc_;
  FormattedText& text_;
  std::vector<int32_t> fontMap_;
  std::vector<int32_t> pictureMap_;
};

bool isSelectedObject(const TFieldRec& frame) { return frame.FieldType >= kFieldTextBox && frame.ObjSelected; }

}  // namespace

bool hasSelectedObjects(const Document& doc) {
  for (const TFieldRec& frame : doc.Fields)
    if (isSelectedObject(frame)) return true;
  return false;
}

FormattedText selectionAsStream(Document& doc) {
  FormattedText text;
  text.kind = kStreamText;
  TextWalk walk(doc);
  walk.WalkLineMode = true;
  walk.startAtSelection();
  const SelectionRange sel = walk.selection();
  text.tableCopy = sel.SelColumnBlock;
  StreamBuilder builder(doc, text);
  if (!lineAt(doc, walk.pos)) return text;
  do {
    const TextPos at = walk.pos;
    // Every cell of a column block is whole; elsewhere only the last line's
    // end lies outside the selection.
    const bool endLine = at.field == sel.SelEndField && at.line == sel.SelEndLine;
    const bool endCopied = sel.SelColumnBlock || !endLine;
    const TLineRec& line = *lineAt(doc, at);
    if (line.InTable && sel.SelTouchesTable) {
      text.lines.push_back(builder.copyLine(line, endCopied,
                                            [&](int32_t cell) { return isinmarking(doc, sel, at.field, at.line, cell); }));
      continue;
    }
    // Outside tables the selected cells of a line are one run.
    const bool startLine = at.field == sel.SelStartField && at.line == sel.SelStartLine;
    const int32_t from = startLine ? sel.SelStartChar : 0, to = endLine ? sel.SelEndChar : line.CharCount();
    text.lines.push_back(builder.copyLine(line, endCopied, [&](int32_t cell) { return cell >= from && cell < to; }));
  } while (sel.SelColumnBlock ? walk.getnextmarkedlineTableBlind() : walk.getnextmarkedline());
  builder.addFootnoteFrames();
  return text;
}

FormattedText selectedObjectsAsStream(const Document& doc) {
  FormattedText text;
  text.kind = kStreamObjects;
  StreamBuilder builder(doc, text);
  for (const TFieldRec& frame : doc.Fields)
    if (isSelectedObject(frame)) text.frames.push_back(builder.copyFrame(frame));
  builder.addFootnoteFrames();
  return text;
}

std::string plainTextOf(const FormattedText& text) {
  std::string plain;
  const TLineRec* previous = nullptr;
  auto addLines = [&](const std::vector<StreamLine>& lines) {
    for (const StreamLine& entry : lines) {
      if (previous && (previous->LineEnd != kLineEndSoft || previous->CellLastLine)) plain += "\r\n";
      for (const TCharRec& cell : entry.line.Chars)
        if (cell.Kind == kCellChar) plain += static_cast<char>(cell.Ch);
      previous = &entry.line;
    }
  };
  addLines(text.lines);
  // Each frame's text is a paragraph of its own.
  for (const StreamFrame& frame : text.frames) {
    if (previous) plain += "\r\n";
    previous = nullptr;
    addLines(frame.lines);
  }
  return plain;
}

TFieldRec emptyFootnoteFrame(const Document& doc, int32_t number) {
  TFieldRec frame;
  frame.FieldType = kFieldFooter;
  frame.FootnoteNo = number;
  frame.PageNo = caretFramePage(doc);
  frame.Top = 29.5;
  frame.Bottom = 24.5;
  frame.TopFromBottom = frame.BottomFromBottom = frame.RightFromRight = 1;
  if (!doc.Fields.empty()) {
    frame.MarginLeft = doc.Fields.front().MarginLeft;
    frame.MarginRight = doc.Fields.front().MarginRight;
  }
  frame.WrapText = 1;
  frame.MoveWithText = 1;
  frame.TextDistX = frame.TextDistY = 3.2;
  frame.BackColor = 0xFFFFFF;
  frame.Transparent = 1;
  return frame;
}

ClipboardCommandsEnabled clipboardCommandsEnabled(const Document* active, const std::optional<ClipboardFormats>& offered) {
  ClipboardCommandsEnabled enabled;
  if (!active) return enabled;
  enabled.cut = enabled.copy = isThereAmarking(*active) || hasSelectedObjects(*active);
  enabled.paste = enabled.pasteSpecial = offered && offered->any();
  return enabled;
}

void Editor::KopierenInZwischenAblage(bool cut) {
  const bool objects = hasSelectedObjects(doc_);
  if (!objects && !isThereAmarking(doc_)) return;
  const FormattedText text = objects ? selectedObjectsAsStream(doc_) : selectionAsStream(doc_);
  if (!host_.setClipboard({encodeFormattedText(text), plainTextOf(text)}) || !cut) return;
  MakeCopyForUndo("Ausschneiden");
  SetFileChanged(true);
  if (objects) removeSelectedObjects();
  else DeleteMarking();
  RefreshDirtyContent();
}

}  // namespace vendaro
