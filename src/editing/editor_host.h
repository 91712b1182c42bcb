// editor_host.h — everything an editor needs from the world around it:
// message boxes, status bar panels, the window caption, repaint requests.
// The Qt window implements it; tests and the command line use their own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/frame_insertion.h"
#include "document/records.h"
#include "editing/table_cell_form.h"
#include "editing/date_time_pattern.h"
#include "editing/field_dialogs.h"
#include "editing/object_dialogs.h"

namespace vendaro {

enum class MessageIcon { none, information, warning, error, question };

// Status bar panels of the main window.
enum StatusPanel : int { kPanelPage = 0, kPanelLine = 1, kPanelOverwrite = 2, kPanelActivity = 3 };

// A button or menu item of undo or redo: its text (hint or caption) and
// whether it can be chosen.
struct UndoControl {
  std::string text;
  bool enabled = false;
};

// What the formatting tool bar shows for the caret: font name and size
// boxes and the bold, italic and underline buttons from the input font; the
// bullet, numbering and alignment buttons from the caret's paragraph; the
// style box's entries (the box shows entry 0).
struct ToolbarFontState {
  TFontRec font;
  uint8_t listKind = 0;   // 1 bullets, 2 numbering
  uint8_t alignment = 0;  // 0 left, 1 centred, 2 right, 3 justified
  std::vector<std::string> styleNames;

  bool bold() const { return GettingOpsB(font.Style, 0); }
  bool italic() const { return GettingOpsB(font.Style, 1); }
  bool underline() const { return GettingOpsB(font.Style, 2); }
  // The style box is refilled only when its entries differ from these.
  bool styleBoxNeedsRebuild(const std::vector<std::string>& boxEntries) const { return boxEntries != styleNames; }
};

// An open or save file dialog: the shell fills it, the host shows it and,
// on OK, leaves the chosen path (UTF-8) and filter in it. Filters are known
// by their index in the program's full table (counted from 1), which stays
// the same when only some of them are offered.
struct FileDialogFilter {
  std::string description;  // "Lumen-Praxiva Dateien (*.lpx)"
  std::string patterns;     // "*.lpx", several separated by ";"
  int32_t index = 0;
};
struct FileDialogState {
  std::vector<FileDialogFilter> filters;
  int32_t filterIndex = 1;  // the index of the filter shown and chosen
  std::string fileName;
  bool confirmOverwrite = false;  // the save dialog asks before replacing a file
};

// The three answers of a Yes/No/Cancel question.
enum class QuestionAnswer { yes, no, cancel };

// The special-character dialog: the command fills it, the host shows it
// and, on OK, leaves the chosen font and character in it.
struct SonderzeichenDialog {
  std::string fontName;
  uint8_t character = ' ';
};

// The character dialog "Zeichen". The font name is as the document holds it
// (code page 1252).
// The attribute list "Fett" … "Keine Silbentrennung" follows the `Attr`
// bits 0 to 13; the first four also show `Style` bits 0 to 3.
inline constexpr int kCharacterAttributeCount = 14;
inline constexpr std::array<const char*, kCharacterAttributeCount> kCharacterAttributeNames{
    "Fett", "Kursiv", "Unterstrichen", "Durchgestrichen", "Nur Wörter unterstreichen",
    "Doppelt unterstrichen", "Schattiert", "Umrandet", "Hochgestellt", "Tiefgestellt",
    "Kapitälchen", "Großschreiben", "Kleinschreiben", "Keine Silbentrennung"};
// The sizes the size list offers.
inline constexpr std::array<int, 18> kCharacterDialogSizes{6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 30, 36, 48, 64, 72};
struct ZeichenDialog {
  std::string fontName;
  std::string size;  // as typed; read with parseDecimal, 1 to 999 taken
  int32_t color = 0;
  int32_t backColor = 0xFFFFFF;
  bool transparent = false;  // offered only while backColor is white
  int32_t shadowColor = 0;
  int32_t outlineColor = 0;
  std::array<bool, kCharacterAttributeCount> attributes{};
  // What the user changed while the dialog was shown; only those
  // properties reach the cells, so a mixed selection keeps the rest.
  struct Changed {
    bool fontName = false;
    bool size = false;
    bool color = false;
    bool backColor = false;
    bool transparent = false;
    bool shadowColor = false;
    bool outlineColor = false;
    std::array<bool, kCharacterAttributeCount> attributes{};
  } changed;
};

// The paragraph dialog "Absatzformatierung". Distances and indents are
// centimetres as shown, with a decimal comma; `measure` is lines for the
// multiples and millimetres for "Mindestens" and "Genau". The dialog keeps
// them as text; the command reads them with parseDecimal.
inline constexpr std::array<const char*, 4> kAlignmentNames{"Links", "Zentriert", "Rechts", "Blocksatz"};
struct AbsatzDialog {
  int alignment = 0;      // index into kAlignmentNames
  int spacingChoice = 0;  // LineSpacingChoice: index into kLineSpacingNames
  std::string measure;    // "Maß"
  std::string spaceBefore;
  std::string spaceAfter;
  std::string leftIndent;
  std::string rightIndent;
  std::string firstLineIndent;
};

// The tab stop dialog "Tabstops"; positions in centimetres. The list is kept
// in ascending order by the rules in format_dialog_rules.h.
inline constexpr std::array<const char*, 4> kTabAlignNames{"Links", "Zentriert", "Rechts", "Dezimal"};
inline constexpr std::array<const char*, 4> kTabLeaderNames{"1) Ohne", "2) --------", "3) ........", "4) ____"};
struct TabDialogStop {
  double position = 0;  // cm
  int32_t align = 0;    // index into kTabAlignNames
  int32_t leader = 0;   // index into kTabLeaderNames
};
struct TabulatorDialog {
  std::string defaultTabWidth;  // "Standard-Tabstops", cm
  std::vector<TabDialogStop> stops;
};

// The dialog "Nummerierung und Aufzählungen".
inline constexpr std::array<const char*, 3> kListKindNames{"Keiner", "Aufzählung", "Nummerierung"};
struct NummerierungDialog {
  int listKind = 0;        // index into kListKindNames
  std::string listIndent;  // "Abstand zum Text", cm
  std::string bullet;      // the bullet field, code page 1252; its first byte is the bullet
  std::string bulletFont;  // the field's font; "Wingdings" for the default
};

// The columns dialog "Spalten".
struct SpaltenDialog {
  std::string count;  // "Anzahl der Spalten"; truncated, 1 to 10 taken
  bool lines = false; // "Linien zwischen den Spalten"
  std::string gap;    // "Abstand zwischen den Spalten", cm
};

// The style name dialog of a new style (and of renaming). The name is code
// page 1252; OK is offered for 1 to 255 bytes (styleNameAcceptable).
struct VorlagenNameDialog {
  std::string name;
};

// The style manager. Renaming and deleting take effect at once: the dialog
// changes `names` and logs each change in `edits` through the functions of
// format_dialog_rules.h, and the editor carries the log out whether the
// dialog ends with OK or not. On OK the style `selected` is applied.
struct VorlagenEdit {
  enum Kind { rename, remove } kind = rename;
  int index = 0;
  std::string name;  // code page 1252, for renaming
};
struct VorlagenVerwaltenDialog {
  std::vector<std::string> names;  // code page 1252
  int selected = 0;                // -1 when the list is empty
  std::vector<VorlagenEdit> edits;
};

// The spelling dialog of the document check. Words are code page 1252.
struct SpellCheckDialog {
  std::string unknownWord;               // "Unbekanntes Wort:"
  std::vector<std::string> suggestions;  // the list of "Ändern in:"
  std::string replacement;               // its text: the word itself at first
};
// The dialog's answers, by their result codes.
enum class SpellCheckAnswer : int { learn = 4, change = 6, ignore = 7, neverChange = 9, changeAll = 10, cancel = 2 };

// The user dictionary: the learned words, which the dialog may remove.
struct UserDictionaryDialog {
  std::vector<std::string> words;  // code page 1252
};

// The dialog "Suchen und ersetzen" with its pages "&Suchen" (0),
// "Erset&zen" (1) and "&Gehe zu" (2). The host shows `page` and returns the
// code of the button pressed (cancel when the window is closed), leaving
// what the user entered in the struct. Texts are code page 1252.
struct SearchOptions {
  std::string text;        // "Suchen nach:"
  bool matchCase = false;  // "Groß-/ und &Kleinschreibung beachten"
  bool wholeWords = false; // "Nur ganze Wörter suchen"
  bool fromStart = false;  // "Ab &Dokumentanfang suchen"
  bool backwards = false;  // "&Rückwärts suchen"
  bool allFrames = false;  // "Alle &Felder durchsuchen"
};
enum SearchFormResult : int {
  kSearchFindNext = 1,     // "&Weitersuchen" of "&Suchen"
  kSearchCancel = 2,       // "A&bbrechen"
  kSearchReplace = 4,      // "&Ersetzen"
  kSearchGoToPage = 5,     // "&Gehe zu Seite"
  kSearchReplaceNext = 6,  // "&Weitersuchen" of "Erset&zen"
  kSearchReplaceAll = 8,   // "&Alle ersetzen"
};
struct TSearchForm {
  int page = 0;
  SearchOptions search;     // the "&Suchen" page
  SearchOptions replace;    // the "Erset&zen" page
  std::string replacement;  // "Ersetzen durch:"
  int32_t pageNumber = 1;   // "Seite Nr:", 1 to 100000
};

// The formats the system clipboard offers that the program can paste.
struct ClipboardFormats {
  bool formattedText = false;  // the program's own stream
  bool text = false;
  bool bitmap = false;         // a device-independent bitmap
  bool any() const { return formattedText || text || bitmap; }
};
// What copying puts on the clipboard, replacing what it held: the stream
// and the same content as plain text (code page 1252, CR LF line ends).
struct ClipboardContents {
  std::vector<uint8_t> formattedText;
  std::string text;
};

// The dialog "Inhalte einfügen": the formats offered, by name; on OK
// `selected` is the chosen entry.
inline constexpr const char* kPasteFormattedName = "Formatierter Text";
inline constexpr const char* kPasteTextName = "Unformatierter Text";
inline constexpr const char* kPasteBitmapName = "Bitmap Grafik";
struct InhalteEinfuegenDialog {
  std::vector<std::string> entries;
  int selected = 0;
};
// "Tabelle einfügen": columns 1 to 100, rows 1 to 10000.
struct InsertTableDialog {
  int32_t columns = 2;  // "Spaltenanzahl:"
  int32_t rows = 2;     // "Zeilenanzahl:"
};
// "Zeilen einfügen" and "Spalten einfügen": how many (1 to 10000) and
// "Einfügen vor aktuelle Zeile" (false) or "Einfügen nach aktueller Zeile".
struct InsertTableRowsDialog {
  int32_t count = 1;
  bool after = false;
};

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // The local date and time that date fields and inserted dates show.
  virtual DateTime currentDateTime() { return systemDateTime(); }
  // Shows a German message; most messages have no caption.
  virtual void showMessage(const std::string& text, MessageIcon icon, const std::string& caption = {}) = 0;
  virtual void setStatusText(int panel, const std::string& text) = 0;
  // Lets pending window messages run (the status text shows during long work).
  virtual void processPendingEvents() {}
  virtual void setCaption(const std::string& caption) = 0;
  // The file menu shows the modified state and the recent files.
  virtual void fileMenuChanged() {}
  virtual void requestRepaint() {}
  // The marks of a mouse drag changed (the overlay over the page view, the
  // ruler's dragged marker): draw them again without painting the pages.
  virtual void dragMarksChanged() {}
  // The zoom of a fitting zoom mode followed the window's size.
  virtual void zoomChanged() {}
  // Scrolls the view so that the caret can be seen (after the repaint).
  virtual void scrollCaretIntoView() {}
  // The undo and redo buttons of the standard tool bar: enabled state and
  // hint (a window without that tool bar ignores it).
  virtual void setUndoHints(const UndoControl& /*undo*/, const UndoControl& /*redo*/) {}
  // The formatting tool bar follows the caret. The editor's ToolbarSyncGuard
  // is set meanwhile: the tool bar's change handlers must then do nothing.
  virtual void toolbarFontChanged(const ToolbarFontState& /*state*/) {}
  // Scrolls the view vertically by `pixels` (negative: up), when the caret
  // cannot go further at the top or bottom of the text.
  virtual void scrollViewBy(int /*pixels*/) {}
  // Shows the special-character dialog; true on OK.
  virtual bool showSonderzeichenDialog(SonderzeichenDialog& /*dialog*/) { return false; }
  // The formatting dialogs; each returns true on OK.
  virtual bool showZeichenDialog(ZeichenDialog& /*dialog*/) { return false; }
  virtual bool showAbsatzDialog(AbsatzDialog& /*dialog*/) { return false; }
  virtual bool showTabulatorDialog(TabulatorDialog& /*dialog*/) { return false; }
  virtual bool showNummerierungDialog(NummerierungDialog& /*dialog*/) { return false; }
  virtual bool showSpaltenDialog(SpaltenDialog& /*dialog*/) { return false; }
  virtual bool showVorlagenNameDialog(VorlagenNameDialog& /*dialog*/) { return false; }
  virtual bool showVorlagenVerwaltenDialog(VorlagenVerwaltenDialog& /*dialog*/) { return false; }
  // Shown modally for each unknown word of the document check.
  virtual SpellCheckAnswer showSpellCheckDialog(SpellCheckDialog& /*dialog*/) { return SpellCheckAnswer::cancel; }
  // Shows the search dialog modally; returns a SearchFormResult.
  virtual int showSearchForm(TSearchForm& /*form*/) { return kSearchCancel; }
  // True when the user confirmed the (possibly shortened) list.
  virtual bool showUserDictionaryDialog(UserDictionaryDialog& /*dialog*/) { return false; }
  // The table dialogs; true on OK.
  virtual bool showInsertTableDialog(InsertTableDialog& /*dialog*/) { return false; }
  virtual bool showInsertTableLinesDialog(InsertTableRowsDialog& /*dialog*/) { return false; }
  virtual bool showInsertTableColsDialog(InsertTableRowsDialog& /*dialog*/) { return false; }
  virtual bool showTableCellDialog(TTableCellForm& /*dialog*/) { return false; }
  // The field, date and time, form field and properties dialogs; true on OK.
  virtual bool showFeldEinfuegenDialog(FeldEinfuegenDialog& /*dialog*/) { return false; }
  virtual bool showUserDateTimeDialog(UserDateTimeDialog& /*dialog*/) { return false; }
  virtual bool showDateTimeDialog(DateTimeDialog& /*dialog*/) { return false; }
  virtual bool showInsertFormFieldDialog(InsertFormFieldDialog& /*dialog*/) { return false; }
  virtual bool showFormDialog(FormDialog& /*dialog*/) { return false; }
  virtual bool showDocumentPropsDialog(DocumentPropsDialog& /*dialog*/) { return false; }
  // The file dialogs; true on OK.
  virtual bool showOpenDialog(FileDialogState& /*dialog*/) { return false; }
  virtual bool showSaveDialog(FileDialogState& /*dialog*/) { return false; }
  // A question with the buttons Yes, No and Cancel and the question icon.
  virtual QuestionAnswer askYesNoCancel(const std::string& /*text*/, const std::string& /*caption*/) {
    return QuestionAnswer::cancel;
  }
  // "Textfeld Eigenschaften" and "Grafik formatieren"; true on OK.
  virtual bool showFeldFormatDialog(FeldFormatDialog& /*dialog*/) { return false; }
  virtual bool showGrafikPropsDialog(GrafikPropsDialog& /*dialog*/) { return false; }
  // The line and fill a new drawing object gets (the drawing tool bar's).
  virtual ObjectStyle newObjectStyle() { return {}; }
  // Horizontal dots per inch of the screen (pictures without a resolution).
  virtual int screenDpi() const { return 96; }

  // The system clipboard. `clipboardFormats` answers nothing when the
  // clipboard cannot be opened; the readers answer false when the format is
  // not there (any more). Without a clipboard nothing is offered.
  virtual std::optional<ClipboardFormats> clipboardFormats() { return std::nullopt; }
  // False when the clipboard could not be opened: nothing was placed.
  virtual bool setClipboard(const ClipboardContents& /*contents*/) { return false; }
  virtual bool clipboardFormattedText(std::vector<uint8_t>& /*stream*/) { return false; }
  virtual bool clipboardText(std::string& /*cp1252*/) { return false; }
  // A packed DIB: header, palette and rows.
  virtual bool clipboardBitmap(std::vector<uint8_t>& /*dib*/) { return false; }
  virtual bool showInhalteEinfuegenDialog(InhalteEinfuegenDialog& /*dialog*/) { return false; }
};

}  // namespace vendaro
