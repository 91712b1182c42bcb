#include "support/sample_documents.h"

#include "document/page_setup.h"
#include "editing/editor.h"
#include "platform/dib.h"
#include "shell/headless_host.h"

namespace vendaro::test {

Document newWindowDocument() {
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  return editor.doc();
}

Document newWindowDocumentWithoutStyles() {
  Document doc = newWindowDocument();
  doc.Styles.clear();
  doc.Fonts.clear();
  return doc;
}

void appendTextLine(Document& doc, int32_t field, std::string_view text, int32_t lineEnd) {
  TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
  // The first empty line of a frame is used before new ones are added.
  const bool reuse = frame.Lines.size() == 1 && frame.Lines[0].Chars.empty() && frame.Lines[0].LineEnd == kLineEndSoft;
  doc.CurField = field;
  doc.CurLine = reuse ? 0 : frame.LineCount();
  for (size_t i = 0; i < text.size(); ++i) {
    doc.CurChar = static_cast<int32_t>(i);
    TCharRec* cell = doc.NewChar();
    cell->Ch = static_cast<uint8_t>(text[i]);
    doc.RenderChar(*cell);
  }
  if (text.empty() && !reuse) doc.InsertNewLine(field, doc.CurLine);
  doc.Fields[static_cast<size_t>(field)].Lines[static_cast<size_t>(doc.CurLine)].LineEnd = lineEnd;
  doc.CurChar = 0;
}

void appendTableRow(Document& doc, std::initializer_list<std::pair<std::string_view, double>> cells) {
  int32_t index = 0;
  for (const auto& [text, weight] : cells) {
    appendTextLine(doc, 0, text);
    TLineRec& line = doc.Fields[0].Lines.back();
    line.InTable = 1;
    line.CellFirstLine = line.CellLastLine = 1;
    line.RowCells = static_cast<int32_t>(cells.size());
    line.CellIndex = index++;
    line.CellWidthWeight = weight;
  }
}

TFieldRec& appendFrame(Document& doc, uint8_t type, double left, double top, double right, double bottom) {
  TFieldRec& frame = doc.NewPage(true);
  frame.FieldType = type;
  frame.Left = left, frame.Top = top, frame.Right = right, frame.Bottom = bottom;
  frame.RightFromRight = frame.BottomFromBottom = frame.TopFromBottom = 0;
  frame.WrapText = 0;
  frame.MoveWithText = 0;
  frame.MarginLeft = frame.MarginRight = frame.MarginTop = frame.MarginBottom = 1;
  return frame;
}

namespace {

TPictureRec picture(int width, int height, int bits) {
  TPictureRec pic;
  newdib(pic, width, height, bits);
  uint8_t* pixels = pic.mutablePixels();
  for (size_t i = 0; i < pic.pixelBytes(); ++i) pixels[i] = static_cast<uint8_t>(i * 7 + bits);
  return pic;
}

void addSpecialCells(Document& doc) {
  doc.CurField = 0;
  doc.CurLine = 0;
  doc.CurChar = doc.Fields[0].Lines[0].CharCount();
  TCharRec* tab = doc.NewChar();
  tab->Ch = kTabChar;
  tab->TabLeader = 2;
  doc.RenderChar(*tab);
  doc.CurChar++;
  TCharRec* pictureCell = doc.NewChar();
  pictureCell->Kind = kCellPicture;
  pictureCell->PictureIndex = 2;
  pictureCell->CharWidth = 40.0;
  pictureCell->CharHeight = 30.0;
  doc.CurChar++;
  TCharRec* note = doc.NewChar();
  note->Kind = kCellNoteRef;
  note->Ch = '1';
  note->ShownNumber = 1;
  note->NoteID = 1;
  doc.RenderChar(*note, true, "1");
  doc.CurChar++;
  TCharRec* field = doc.NewChar();
  field->Kind = kCellField;
  SetPCharText(field->Text, "Seite 1");
  SetPCharText(field->Code, "page");
  doc.RenderChar(*field, false, *field->Text);
  field->CharFlags = 0b101;
}

void addTableRow(Document& doc) {
  appendTableRow(doc, {{"links", 2.0}, {"rechts", 1.0}});
  for (size_t cell = doc.Fields[0].Lines.size() - 2; cell < doc.Fields[0].Lines.size(); ++cell) {
    TLineRec& line = doc.Fields[0].Lines[cell];
    line.RowLeft = 1.5;
    line.CellDesign.BorderWidth[1] = 2.25;
    line.CellDesign.BackColor = 0x00FF00;
    line.CellDesign.BackTransparent = 0;
  }
}

void addStyles(Document& doc) {
  TStyleRec heading;
  heading.Name = "Überschrift 1";
  heading.Para.Alignment = 1;
  heading.Para.Tabs = {{20.0, 0, 1}, {80.5, 3, 2}};
  SetPCharText(heading.Para.BulletFont, "Symbol");
  heading.Char.FontIndex = 0;
  TStyleRec quote;
  quote.Name = "Zitat";
  quote.Kind = kCharacterStyle;
  quote.Char.FontIndex = doc.FontCount() - 1;
  doc.Styles = {heading, quote};
}

}  // namespace

Document richDocument() {
  Document doc = newWindowDocument();
  doc.Pictures = {picture(3, 2, 1), picture(5, 4, 8), picture(7, 3, 24)};
  appendTextLine(doc, 0, "Gr\xfc\xdf" "e aus K\xf6ln", kLineEndManual);
  addSpecialCells(doc);
  TLineRec& first = doc.Fields[0].Lines[0];
  first.Para.Tabs = {{30.0, 1, 1}, {60.0, 2, 3}};
  first.Para.ListKind = 1;
  SetPCharText(first.Para.BulletFont, "Wingdings");
  doc.CurFont.Color = 0x0000FF;
  doc.CurFont.Size = 12.0;
  SettingOps(doc.CurFont.Attr, kAttrSmallCaps, true);
  appendTextLine(doc, 0, "Zweite Zeile, rot und klein", kLineEndParagraph);
  addTableRow(doc);
  addStyles(doc);
  TFieldRec& box = doc.NewPage(true);
  box.FieldType = kFieldTextBox;
  box.Left = 20;
  box.Top = 30;
  box.Right = 100;
  box.Bottom = 80;
  box.RightFromRight = box.BottomFromBottom = 0;
  TFieldRec& next = doc.NewPage(true);
  next.FieldType = kFieldTextBox;
  doc.Fields[7].NextField = 8;
  doc.Fields[8].PrevField = 7;
  appendTextLine(doc, 7, "Text im Rahmen");
  doc.DocProps[0] = "Titel";
  doc.DocProps[7] = "Kommentar";
  doc.FootnoteCounter = 1;
  doc.CurField = 0;
  doc.CurLine = 1;
  doc.CurChar = 3;
  doc.MarkField = 0;
  doc.MarkLine = 0;
  doc.MarkChar = 2;
  doc.PageWidth = 420.0;
  doc.PageHeight = 594.0;
  doc.SetPrinterProps();
  return doc;
}

namespace {

void useFont(Document& doc, const char* face, double size, uint8_t style = 0, uint16_t attr = 0, int32_t color = 0) {
  SetPCharText(doc.CurFont.Name, face);
  doc.CurFont.Size = size;
  doc.CurFont.Style = style;
  doc.CurFont.Attr = attr;
  doc.CurFont.Color = color;
}

void addShowcaseTable(Document& doc) {
  const char* texts[2][3] = {{"Artikel", "Menge", "Preis"}, {"Plakat A1", "12", "34,50 \x80"}};
  for (int row = 0; row < 2; ++row) {
    for (int cell = 0; cell < 3; ++cell) {
      useFont(doc, "Arial", 12, row == 0 ? 1 : 0);
      appendTextLine(doc, 0, texts[row][cell]);
      TLineRec& line = doc.Fields[0].Lines.back();
      line.InTable = 1;
      line.CellFirstLine = line.CellLastLine = 1;
      line.RowCells = 3;
      line.CellIndex = cell;
      line.RowLeft = 10;
      line.RowRight = 30;
      if (row == 0) {
        line.CellDesign.BackColor = 0xE0E0E0;
        line.CellDesign.BackTransparent = 0;
      }
    }
  }
}

}  // namespace

Document showcaseDocument() {
  Document doc = newWindowDocument();
  useFont(doc, "Times New Roman", 28, 1, 0, 0x800000);
  appendTextLine(doc, 0, "Sommerfest im Hof");
  doc.Fields[0].Lines.back().Para.Alignment = 1;
  useFont(doc, "Arial", 14);
  appendTextLine(doc, 0, "Am Samstag feiern wir mit allen Nachbarn. Bringt gute Laune mit!");
  uint16_t effects = 0;
  SettingOps(effects, kAttrUnderline, true);
  SettingOps(effects, kAttrShadow, true);
  useFont(doc, "Courier New", 16, 0, effects, 0x0000C0);
  appendTextLine(doc, 0, "Beginn 15 Uhr");
  useFont(doc, "Arial", 14);
  for (const char* item : {"Kuchenbuffet", "Musik und Tanz", "Flohmarkt f\xfcr Kinder"}) {
    appendTextLine(doc, 0, item);
    TLineRec& line = doc.Fields[0].Lines.back();
    line.Para.ListKind = 1;
    line.Para.LeftIndent = 5;
  }
  appendTextLine(doc, 0, "");
  addShowcaseTable(doc);
  appendTextLine(doc, 0, "");

  TFieldRec& box = doc.NewPage(true);
  box.FieldType = kFieldTextBox;
  box.Left = 110, box.Top = 200, box.Right = 190, box.Bottom = 240;
  box.RightFromRight = box.BottomFromBottom = 0;
  box.BorderWidth = 1.5;
  box.BorderColor = 0x008000;
  box.BackColor = 0xE0FFE0;
  box.Transparent = 0;
  box.WrapText = 0;
  box.MoveWithText = 0;
  box.MarginLeft = box.MarginRight = 2.5;
  box.MarginTop = box.MarginBottom = 1.3;
  useFont(doc, "Arial", 12, 2);
  appendTextLine(doc, doc.FieldCount() - 1, "Anmeldung bis Freitag im Hausflur.");

  TPictureRec sun;
  newdib(sun, 120, 80, 24);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) {
      const int dx = x - 60, dy = y - 40;
      setpixel(sun, x, y, dx * dx + dy * dy < 900 ? 0x00D0FF : 0xF0C080);
    }
  doc.Pictures.push_back(sun);
  TFieldRec& frame = doc.NewPage(true);
  frame.FieldType = kFieldPicture;
  frame.Left = 25, frame.Top = 200, frame.Right = 95, frame.Bottom = 260;
  frame.RightFromRight = frame.BottomFromBottom = 0;
  frame.WrapText = 0;
  frame.MoveWithText = 0;
  frame.KeepAspect = 1;
  TCharRec cell;
  cell.Kind = kCellPicture;
  cell.PictureIndex = 0;
  frame.Lines[0].Chars.push_back(cell);

  doc.CurField = doc.MarkField = 0;
  doc.CurLine = doc.MarkLine = 0;
  doc.CurChar = doc.MarkChar = 0;
  return doc;
}

void setPaperSize(Document& doc, double widthMm, double heightMm) {
  PageSetupValues values = currentPageSetup(doc);
  values.PageWidth = widthMm;
  values.PageHeight = heightMm;
  applyPageSetup(doc, values, true);
}

}  // namespace vendaro::test
