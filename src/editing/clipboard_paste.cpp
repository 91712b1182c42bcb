// clipboard_paste.cpp — paste and paste special: the formatted text stream,
// read whole before anything changes, plain text, or a bitmap.
#include <cmath>
#include <utility>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/clipboard_streams.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "editing/pasted_lines.h"
#include "layout/page_painter.h"
#include "platform/dib_blocks.h"

namespace vendaro {
namespace {

constexpr int32_t kPasteAuto = 0, kPasteFormatted = 1, kPasteText = 2, kPasteBitmap = 3;
constexpr char kNoMemoryMessage[] = "Fehler: nicht genug Speicher für diese Operation!";

bool caretTakesText(const Document& doc) { return caretInTypingFrame(doc) && lineAt(doc, caretPos(doc)); }

template <typename Action>
void forEachCell(std::vector<StreamLine>& lines, Action action) {
  for (StreamLine& entry : lines)
    for (TCharRec& cell : entry.line.Chars) action(cell);
}

// A table copy's rows are numbered afresh: a block of some of a row's
// columns forms rows of its own.
void recountRowCells(std::vector<StreamLine>& lines) {
  size_t rowStart = 0;
  auto closeRow = [&](size_t end) {
    for (size_t i = rowStart; i < end; ++i) {
      lines[i].line.RowCells = static_cast<int32_t>(end - rowStart);
      lines[i].line.CellIndex = static_cast<int32_t>(i - rowStart);
    }
    rowStart = end;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const TLineRec& line = lines[i].line;
    const bool continuesRow = i > rowStart && line.InTable && lines[i - 1].line.InTable &&
                              line.CellIndex > lines[i - 1].line.CellIndex;
    if (!continuesRow) closeRow(i);
  }
  closeRow(lines.size());
}

// Puts a decoded stream into the document at the caret. Stream fonts and
// pictures enter the document once each; footnote references get the next
// free numbers, or become marks of the footnote frame they are pasted into.
class StreamPaste {
 public:
  StreamPaste(Document& doc, FormattedText& text) : doc_(doc), text_(text) {}

  void run() {
    for (const TFontRec& font : text_.fonts.entries()) fontMap_.push_back(doc_.GetNewFontIndex(font));
    firstPicture_ = doc_.PictureCount();
    for (TPictureRec& picture : text_.pictures) doc_.Pictures.push_back(std::move(picture));
    const TFieldRec& caretFrame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
    targetNote_ = caretFrame.FieldType == kFieldFooter && caretFrame.FootnoteNo >= 1 ? caretFrame.FootnoteNo : 0;
    pagesBefore_ = doc_.GetAnzPages();
    numberReferences();
    if (text_.kind == kStreamText) pasteLines();
    else pasteFrames();
    if (!targetNote_) pasteFootnoteFrames();
    setAnchor(doc_, caretPos(doc_));
  }

 private:
  void numberReferences() {
    auto renumber = [&](TCharRec& cell) {
      if (cell.Kind != kCellNoteRef) return;
      if (targetNote_) cell.Kind = kCellNoteNumber;
      const int32_t number = targetNote_ ? targetNote_ : ++doc_.FootnoteCounter;
      cell.NoteID = cell.ShownNumber = static_cast<uint16_t>(number);
      newNumbers_.push_back(number);
    };
    forEachCell(text_.lines, renumber);
    for (StreamFrame& frame : text_.frames) forEachCell(frame.lines, renumber);
  }

  void prepareCell(TCharRec& cell) {
    cell.FontIndex = fontMap_[static_cast<size_t>(cell.FontIndex)];
    if (cell.Kind == kCellPicture) cell.PictureIndex = static_cast<uint16_t>(firstPicture_ + cell.PictureIndex);
    if (cell.Kind != kCellChar) return;
    cell.TabLeader = 0;
    measureTypedCell(doc_, cell);
  }

  // The line's own anchor would name objects of the document it came from.
  void prepareLine(TLineRec& line) {
    for (TCharRec& cell : line.Chars) prepareCell(cell);
    line.AnchorID = 0;
    line.Dirty = 1;
  }

  void pasteLines() {
    TextPos at = caretPos(doc_);
    if (text_.tableCopy) {
      recountRowCells(text_.lines);
      // Copied rows go in as rows of their own, before the caret's row.
      if (lineAt(doc_, at)->InTable) {
        doc_.InsertNewLine(at.field, at.line);
        doc_.Fields[static_cast<size_t>(at.field)].Lines[static_cast<size_t>(at.line)].LineEnd = kLineEndParagraph;
        at.cell = 0;
      }
    }
    std::vector<PastedLine> runs(text_.lines.size());
    for (size_t i = 0; i < runs.size(); ++i) {
      StreamLine& entry = text_.lines[i];
      prepareLine(entry.line);
      PastedLine& run = runs[i];
      run.cells = std::move(entry.line.Chars);
      if (entry.endCopied && (entry.line.LineEnd != kLineEndSoft || text_.tableCopy)) run.lineEnd = entry.line.LineEnd;
      run.format = &entry.line;
      run.tableSettings = text_.tableCopy;
    }
    setCaret(doc_, insertPastedLines(doc_, at, std::move(runs)));
  }

  // A pasted frame stands alone: no chain, no anchor, not selected, and on
  // its page only when the document has that page.
  TFieldRec frameOf(StreamFrame& entry) {
    TFieldRec frame = std::move(entry.frame);
    frame.PrevField = frame.NextField = -1;
    frame.AnchorID = 0;
    frame.ObjSelected = 0;
    if (frame.PageNo >= pagesBefore_) frame.PageNo = caretFramePage(doc_);
    LineList lines;
    for (StreamLine& line : entry.lines) {
      prepareLine(line.line);
      lines.push_back(std::move(line.line));
    }
    if (lines.empty() && frame.FieldType <= kFieldTextBox) Document::InitNewLine(lines, 0);
    frame.Lines = std::move(lines);
    return frame;
  }

  void pasteFrames() {
    for (StreamFrame& entry : text_.frames) {
      doc_.Fields.push_back(frameOf(entry));
      if (!doc_.Fields.back().Lines.empty()) setCaret(doc_, {doc_.FieldCount() - 1, 0, 0});
    }
  }

  void pasteFootnoteFrames() {
    for (size_t k = 0; k < newNumbers_.size(); ++k) {
      const int32_t number = newNumbers_[k];
      StreamFrame missing{emptyFootnoteFrame(doc_, number), {}};
      TFieldRec frame = frameOf(k < text_.footnoteFrames.size() ? text_.footnoteFrames[k] : missing);
      frame.FieldType = kFieldFooter;
      frame.FootnoteNo = number;
      LineList& lines = frame.Lines;
      for (size_t i = 0; i < lines.size(); ++i)
        for (TCharRec& cell : lines[i].Chars)
          if (cell.Kind == kCellNoteNumber) cell.NoteID = cell.ShownNumber = static_cast<uint16_t>(number);
      doc_.Fields.push_back(std::move(frame));
    }
  }

  Document& doc_;
  FormattedText& text_;
  std::vector<int32_t> fontMap_;
  int32_t firstPicture_ = 0;
  int32_t targetNote_ = 0;
  int32_t pagesBefore_ = 1;
  std::vector<int32_t> newNumbers_;
};

// Plain text as runs of cells in the input format: a CR, or an LF not after
// a CR, ends a paragraph.
std::vector<PastedLine> pastedLinesOfText(Document& doc, std::string_view text) {
  const int32_t font = doc.GetNewFontIndex(doc.CurFont);
  std::vector<PastedLine> runs(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto ch = static_cast<uint8_t>(text[i]);
    if (ch == '\r' || (ch == '\n' && (i == 0 || text[i - 1] != '\r'))) {
      runs.back().lineEnd = kLineEndParagraph;
      runs.emplace_back();
      continue;
    }
    if (!isExchangedCharacter(ch)) continue;
    TCharRec& cell = runs.back().cells.emplace_back();
    cell.Ch = ch;
    cell.FontIndex = font;
    measureTypedCell(doc, cell);
  }
  return runs;
}

}  // namespace

bool Editor::pasteFormattedText() {
  std::vector<uint8_t> bytes;
  FormattedText text;
  if (!host_.clipboardFormattedText(bytes) || !decodeFormattedText(bytes.data(), bytes.size(), text)) return false;
  if (doc_.CurField < 0 || doc_.CurField >= doc_.FieldCount()) return false;
  if (text.kind == kStreamText && !caretTakesText(doc_)) return false;
  if (doc_.Pictures.size() + text.pictures.size() > kMaxPictures) return false;
  MakeCopyForUndo("Einfügen");
  SetFileChanged(true);
  doc_.CaretAtLineEnd = 0;
  StreamPaste(doc_, text).run();
  return true;
}

bool Editor::pastePlainText() {
  std::string text;
  if (!host_.clipboardText(text) || !caretTakesText(doc_)) return false;
  MakeCopyForUndo("Einfügen");
  SetFileChanged(true);
  doc_.CaretAtLineEnd = 0;
  if (isThereAmarking(doc_)) DeleteMarking();
  setCaret(doc_, insertPastedLines(doc_, caretPos(doc_), pastedLinesOfText(doc_, text)));
  setAnchor(doc_, caretPos(doc_));
  return true;
}

bool Editor::pasteBitmap() {
  std::vector<uint8_t> dib;
  if (!host_.clipboardBitmap(dib) || !caretTakesText(doc_)) return false;
  TPictureRec picture;
  const DibBlockResult made = dibFromPacked(picture, dib.data(), dib.size());
  if (made == DibBlockResult::refused) return false;
  if (made == DibBlockResult::noMemory) host_.showMessage(kNoMemoryMessage, MessageIcon::error);
  else insertPicture(std::move(picture));
  return true;
}

void Editor::EinfuegenAusZwischenAblage(int32_t type) {
  const std::optional<ClipboardFormats> offered = host_.clipboardFormats();
  if (!offered) return;
  auto wanted = [&](bool present, int32_t only) { return present && (type == kPasteAuto || type == only); };
  // A stream that cannot be read leaves the way open for the text.
  const bool pasted = (wanted(offered->formattedText, kPasteFormatted) && pasteFormattedText()) ||
                      (wanted(offered->text, kPasteText) && pastePlainText());
  if (pasted) {
    OvertakeFont();
    RefreshDirtyContent();
  } else if (wanted(offered->bitmap, kPasteBitmap)) {
    pasteBitmap();
  }
}

void Editor::InhalteEinfuegenAusZwischenAblage() {
  const std::optional<ClipboardFormats> offered = host_.clipboardFormats();
  if (!offered) return;
  InhalteEinfuegenDialog dialog;
  std::vector<int32_t> types;
  auto offer = [&](bool present, const char* name, int32_t type) {
    if (!present) return;
    dialog.entries.emplace_back(name);
    types.push_back(type);
  };
  offer(offered->formattedText, kPasteFormattedName, kPasteFormatted);
  offer(offered->text, kPasteTextName, kPasteText);
  offer(offered->bitmap, kPasteBitmapName, kPasteBitmap);
  if (types.empty() || !host_.showInhalteEinfuegenDialog(dialog)) return;
  if (dialog.selected >= 0 && static_cast<size_t>(dialog.selected) < types.size())
    EinfuegenAusZwischenAblage(types[static_cast<size_t>(dialog.selected)]);
}

void Editor::insertPicture(TPictureRec picture) {
  if (!caretTakesText(doc_) || doc_.Pictures.size() >= kMaxPictures) return;
  MakeCopyForUndo("Grafik einfügen");
  placePictureCell(std::move(picture));
  RefreshDirtyContent();
}

// The cell is sized by the picture's own resolution, or the screen's for a
// picture that states none.
void Editor::placePictureCell(TPictureRec picture) {
  SetFileChanged(true);
  doc_.CaretAtLineEnd = 0;
  if (isThereAmarking(doc_)) DeleteMarking();
  int dotsPerInch = static_cast<int>(std::lround(picture.Header.biXPelsPerMeter / 1000.0 * kMmPerInch));
  if (dotsPerInch <= 0) dotsPerInch = host_.screenDpi();
  const double widthMm = picture.width() / static_cast<double>(dotsPerInch) * kMmPerInch;
  const double heightMm = picture.height() / static_cast<double>(dotsPerInch) * kMmPerInch;
  doc_.Pictures.push_back(std::move(picture));
  const TypedCell typed = cellForTyping(doc_, typingOptions_->OverwriteMode);
  if (!typed.cell) return;
  TCharRec& cell = *typed.cell;
  cell.Kind = kCellPicture;
  cell.PictureIndex = static_cast<uint16_t>(doc_.PictureCount() - 1);
  cell.CharWidth = widthMm;
  cell.CharHeight = heightMm;
  ++doc_.CurChar;
  setAnchor(doc_, caretPos(doc_));
  if (typed.replacedPicture) FreeBildInListeIfNotNeeded();
}

}  // namespace vendaro
