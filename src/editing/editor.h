// editor.h — one open document together with everything that edits it: the
// commands, the caret, the hyphenation cache and the undo history.
// It reaches the world only through its EditorHost.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "document/document.h"
#include "document/text_pos.h"
#include "editing/character_format.h"
#include "editing/editor_host.h"
#include "editing/field_update.h"
#include "editing/key_commands.h"
#include "editing/program_services.h"
#include "editing/ruler_drag.h"
#include "editing/column_drag.h"
#include "editing/object_drag.h"
#include "editing/undo_history.h"
#include "layout/hyphenation.h"
#include "layout/paint_state.h"
#include "platform/canvas.h"

namespace vendaro {

struct ParagraphValues;

// A size from the size box's text: a number from 1 to 999 points.
std::optional<double> fontSizeFromText(std::string_view text);

// Values of the document's ZoomMode.
enum ZoomModeValue : int32_t { kZoomFixed = 0, kZoomPageWidth = 1, kZoomWholePage = 2 };
// What the zoom box shows for a percentage: "12,5%".
std::string zoomBoxText(double percent);

class Editor {
 public:
  explicit Editor(EditorHost& host, ProgramServices& services = ProgramServices::shared());

  Document& doc() { return doc_; }
  const Document& doc() const { return doc_; }
  EditorHost& host() { return host_; }
  ProgramServices& services() { return services_; }
  DocumentHyphenation& hyphenation() { return hyphenation_; }

  // Builds the empty document of a new window: the page-1 body with one
  // empty line and the three header/footer pairs.
  void FormCreate();

  void SetFileChanged(bool flag);
  // Switches the document language; the hyphenation cache starts afresh.
  void SetNewDokumentSprache(int32_t language);
  // Lays out the dirty lines (and whatever they move); the caret and anchor
  // follow their text.
  void MakeSoftEnters();
  // After an edit: lays out, asks for a repaint and shows the caret.
  void RefreshDirtyContent();
  // Lays out every line again and asks for a repaint.
  void RefreshContent();
  // As RefreshContent, then shows the caret (after reading a file or
  // changing the page).
  void CompleteRefresh();
  // Check while typing: the hook tells whether a word is spelled correctly;
  // an empty hook switches the marks off.
  void setSpellingHook(std::function<bool(std::string_view word)> hook) {
    spellingHook_ = std::move(hook);
    recheckSpelling();
  }
  // The check's answers changed (a word learned or ignored, another word
  // list) or the lines' marks may be stale (a restored undo step): the next
  // layout checks every line, not only those it lays out.
  void recheckSpelling() { spellingRecheck_ = true; }
  // Field texts are brought up to date through this hook before each layout;
  // the editor installs FelderAktuallisieren with the host's clock.
  void setFieldRefreshHook(std::function<bool(Document&)> hook) { fieldRefreshHook_ = std::move(hook); }
  // The user's name, initials and address (code page 1252) that user
  // information fields show.
  void setUserInfo(const std::array<std::string, 3>& info) { fieldSources_.userInfo = info; }
  const FieldSources& fieldSources() const { return fieldSources_; }
  // A reader replaced the document: hyphenation follows the file's language,
  // the whole text is laid out and the input font is taken at the caret.
  void documentLoaded();

  // --- caret, selection and tool bar (caret_commands.cpp) -----------------
  // Set while the tool bar is being brought in line with the caret.
  bool ToolbarSyncGuard = false;
  // Takes the input font from the text before the caret, then updates the
  // tool bar.
  void OvertakeFont();
  // Updates the tool bar from the input font and the caret's paragraph.
  void SmallOvertakeFont();
  // Word and paragraph selection (double and triple click), then a repaint.
  void WortMarkieren();
  void AbsatzMarkieren();

  // --- undo and redo (undo_commands.cpp) ----------------------------------
  // Records the state before a command under its German caption; every
  // command that changes the document calls it first.
  void MakeCopyForUndo(std::string_view caption);
  // For runs of one kind of edit: continues the newest step while the merge
  // is open with `kind`, else records a new one; the merge stays open.
  void MakeMergedCopyForUndo(std::string_view caption, int32_t kind);
  void closeUndoMerge() { undo_.UndoMergeOpen = false; }
  // Undoes k + 1 steps / redoes k + 1 steps; requests past the ends only
  // refresh the hints.
  void RestoreCopyFromUndo(int32_t k);
  void RestoreBeforeRestoreCopyFromUndo(int32_t k);
  // Loads snapshot `index` into the document (frames, caret, selection,
  // input font); the caller has freed the frames.
  void RestoreCopyNrFromUndo(int32_t index);
  void FreeAllUndoCops();
  // Hands the undo and redo buttons' state to the host.
  void SetUndoHints();
  // Releases pictures that neither the text nor any undo step refers to.
  void FreeBildInListeIfNotNeeded();
  const UndoHistory& undoHistory() const { return undo_; }
  void setMaxUndoSteps(int32_t steps) { undo_.MaxUndoSteps = steps; }
  void setUndoMemoryLimit(size_t bytes) { undo_.MemoryLimit = bytes; }

  // --- keyboard editing (keyboard_editing.cpp, navigation_keys.cpp,
  // typing.cpp, deleting.cpp, delete_marking.cpp, line_breaks.cpp) -------
  // A key with its modifiers, by the key table; true when the key acted.
  bool getkeysKeyDown(int32_t key, ShiftState shift);
  // A typed character (code page 1252).
  void getkeysKeyPress(uint8_t ch);
  // One key event of a front end: the key (0 when it has no code here), its
  // modifiers and the characters it produces (code page 1252). Keys held
  // with Ctrl or Alt are commands and never type; the front end reports
  // AltGr, which types, without either.
  void keyEvent(int32_t key, ShiftState shift, std::string_view typed);
  // Ends the line at `pos` with `kind` (1 paragraph, 2 line break, 3 page
  // break) as the Enter key does; a selection is deleted first and the
  // line is then split at the caret.
  void InsertEnterOnThatPos(const TextPos& pos, int32_t kind);
  // Removes the selected cells; caret and anchor go to the selection start.
  void DeleteMarking();
  // The page break command: Ctrl+Enter.
  void UmbruchEinfuegen();
  // Types the character chosen in the special-character dialog.
  void SonderzeichenEinfuegen();
  // Program options the keys obey (overwrite mode, quote style): the
  // editor's own until the program shares one set among all its documents.
  TypingOptions& typingOptions() { return *typingOptions_; }
  void shareTypingOptions(TypingOptions& shared) { typingOptions_ = &shared; }
  // Set when Ctrl+Backspace undid a step: the character 127 the same key
  // press delivers is swallowed.
  bool UndoByCtrlBackspace = false;
  // Another command types through getkeysKeyPress: no undo step, no
  // selection deleted, no merging.
  bool TypingNoUndo = false;
  // Text is typed in a batch: always inserted, laid out by the caller.
  bool TypingBatch = false;
  // Deleting a column block removes the emptied table lines as well.
  bool DeleteColumnsMode = false;
  // The ruler drag in progress (kRulerDragNone when there is none).
  int32_t RulerDragMode = kRulerDragNone;
  // The object the next mouse drag draws (0 none).
  int32_t InsertObjMode = 0;

  // --- paragraph and character shortcuts (paragraph_commands.cpp,
  // character_style.cpp) --------------------------------------------------
  // Alignment of the caret's or the selected paragraphs, one undo step.
  void formatleft();
  void formatcenter();
  void formatright();
  void formatblock();
  // Bullets (1) or numbering (2) on, or off when the paragraph has them
  // already; kind 0 switches any list off.
  void aufzaehlung(uint8_t kind);
  // Bold (0), italic (1) or underline (2) of the input font switched, and
  // the selection, or else the word at the caret, made to match.
  void toggleCharacterStyle(int styleBit);
  // False where formatting commands must not act: no caret line, or the
  // caret in a shape or picture frame. They then take no undo step either.
  bool formattingAllowed() const;
  // Copies the flagged properties of the input font into the selection or
  // the word at the caret: one undo step "Zeichenformat".
  void formatieren(const CharacterApply& apply);
  // formatieren's walk over the cells alone: no undo step, no layout.
  void applyInputFont(const CharacterApply& apply);
  // The tool bar's size and font boxes. The size box returns the text it
  // shows afterwards: the new size, or the input font's size when the text
  // was no size from 1 to 999. Both do nothing while the tool bar is synced.
  std::string setFontSizeFromBox(std::string_view text);
  void setFontNameFromBox(std::string_view cp1252Name);

  // --- formatting dialogs and line spacing (format_dialogs.cpp,
  // paragraph_commands.cpp) --------------------------------------------------
  // "&Zeichen...": the character dialog, applied to what the user changed.
  void zeichenformatieren();
  // Line spacing buttons: single, 1.5 lines, double.
  void ZeilenAbstandEinfach();
  void ZeilenAbstandEinEinhalbfach();
  void ZeilenAbstandZweifach();
  // The paragraph, tab stop, numbering and columns dialogs; each writes the
  // values the user changed as one undo step "Absatzformat".
  void absatzformatieren();
  void tabulator();
  void NummerierungundAufzaehlungen();
  void spaltenformat();

  // --- styles (styles.cpp) --------------------------------------------------
  // The five styles of a new document, from the caret's paragraph format.
  void CreateStandartVorlagen();
  // A new paragraph (kind 0) or character (kind 1) style named in the
  // style name dialog, from the caret's paragraph and character.
  void NeueVorlage(uint8_t kind);
  // Applies style `index`: a paragraph style's format to the caret's
  // paragraphs, and its font like formatieren with every flag. One undo
  // step "Zeichenformat" restores both. Invalid indexes do nothing.
  void useVorlage(int index);
  // The style manager: renames and deletions take effect at once; OK
  // applies the selected style.
  void VorlagenVerwalten();
  // Hands the style names to the tool bar (with the rest of its state).
  void ListAllVorlagen() { SmallOvertakeFont(); }
  void AddVorlage(const TStyleRec& style);
  void FreeVorlagen();

  // --- clipboard (clipboard_copy.cpp, clipboard_paste.cpp) -----------------
  // Copies the selection, or the selected objects, as the program's stream
  // and as plain text; `cut` then deletes it as one undo step.
  void KopierenInZwischenAblage(bool cut);
  // Pastes by `type`: 0 the first usable of stream, text and bitmap, 1 the
  // stream, 2 the text, 3 the bitmap only.
  void EinfuegenAusZwischenAblage(int32_t type);
  // The dialog "Inhalte einfügen" with the formats offered.
  void InhalteEinfuegenAusZwischenAblage();
  // Inserts a picture cell at the caret, sized by the picture's resolution:
  // one undo step "Grafik einfügen", the selection replaced.
  void insertPicture(TPictureRec picture);

  // --- pictures, text boxes and drawing objects (object_commands.cpp,
  // object_order.cpp, frame_format.cpp) -------------------------------------
  // "&Grafik...": a picture file chosen in the open dialog becomes a picture
  // cell at the caret. Nothing happens during a ruler drag.
  void GrafikEinfuegen();
  // A text box on `page` (zero-based), edges in mm from the page's corner:
  // one undo step "Feld einfügen"; the caret goes into it.
  void TextfeldEinfuegen(int32_t page, const FrameEdges& edges);
  // A drawing object or picture frame (kinds of InsertObjectSimple) with the
  // host's line and fill: one undo step "Zeichnungsobjekt einfügen". A
  // picture frame asks for its picture first and is not made without one.
  void InsertObject(int32_t kind, int32_t page, bool flip, const FrameEdges& edges);
  // The object the next mouse drag draws: 0 none, 1 text box, 2 to 7 the
  // insert kinds 0 to 5.
  void SetInsertObjMode(int32_t mode);
  // "Textfeld &verknüpfen...": the next press on a text box continues the
  // caret box's chain there.
  void Textfeldverknuepfen();
  // The press that ends link mode landed in `frame` (-1: in none).
  void linkPendingPress(int32_t frame);
  // Stacking order of the caret's object (kinds 3 and up, after the page
  // body and the header and footer frames): to the top, or to the bottom
  // of the objects.
  void Objektnachvorne();
  void Objektnachhinten();
  // "&Feld/Seite/Objekt...": the caret frame's dialog, one undo step
  // "Feld formatieren"; the page body, first header and first footer keep
  // the page's margins in step.
  void feldformatieren();
  // "&Grafik..." of the format menu: the size of the one selected picture
  // cell, one undo step "Grafik formatieren".
  void GrafikFormatieren();
  // The selection is exactly one picture cell: its position, else none.
  std::optional<TextPos> selectedPictureCell() const;

  // --- search and replace (search_replace.cpp) -----------------------------
  // The dialog "Suchen und ersetzen" on page 0 ("&Suchen"), 1 ("Erset&zen")
  // or 2 ("&Gehe zu"), shown until cancelled or nothing more is found.
  void SuchenErsetzen(int page);

  // --- tool bar colours, language and zoom (toolbar_commands.cpp) -----------
  // The text colour and background buttons: the colour becomes the input
  // font's and reaches the selection (or the word at the caret) alone.
  // Nothing happens while the tool bar is synced or outside text.
  void applyTextColor(int32_t colour);
  void applyTextBackColor(int32_t colour, bool transparent);
  // Fill (none: transparent), line colour and line width of the object frame
  // that holds the caret, each one undo step "Feld formatieren"; outside an
  // object frame nothing happens.
  void applyObjectFill(int32_t colour, bool none);
  void applyObjectLineColor(int32_t colour);
  void applyObjectLineWidth(double points);
  // "&Deutsch" (0) / "&Englisch" (1) and "&Automatische Silbentrennung": the
  // whole text is laid out again, spelling rechecked, the document changed.
  void setDocumentLanguage(int32_t language);
  void toggleAutoHyphenate();
  // Text chosen or typed in the zoom box: "Seitenbreite", "Ganze Seite", or a
  // percentage from 1 to 250 with an optional trailing "%" and a decimal
  // comma or point. A fitting mode leaves the percentage to the window's
  // FormResize; anything else is ignored.
  enum class ZoomChoice { ignored, fixed, fitting };
  ZoomChoice applyZoomText(std::string_view text);
  // --- fields, footnotes and properties (field_commands.cpp,
  // footnote_commands.cpp, document_properties.cpp) --------------------------
  // A field cell with `code` at the caret, one undo step "Feld einfügen"; the
  // layout that follows gives it its text.
  void InsertField(std::string_view code);
  void Seitenzahleinfuegen();
  // The field dialog, and the date and time dialog, which inserts a field
  // or types the date as text.
  void FeldEinfuegen();
  void DateTimeEinfuegen();
  // A named form field, and the dialog that fills every form field.
  void FormularFeldEinfuegen();
  void Formulardialog();
  // A footnote reference at the caret (the start of a selection) and its
  // footnote area on the caret's page.
  void FussnoteEinfuegen();
  // The properties dialog on page 0 ("Infos") or 1 ("Statistik").
  void DokumentEigenschaften(int page);

  // --- painting (editor_painting.cpp) ---------------------------------------
  // Paints the pages the viewport shows (screen) or one page (print); shows
  // the status texts and runs the layout pass a paint asks for.
  PaintOutcome DrawPages(Canvas& canvas, bool printMode, int originY = 0, int originX = 0, int page = 0);
  PaintOutcome PaintBox1Paint(Canvas& canvas) { return DrawPages(canvas, false); }
  // The window changed size: page-width and whole-page zooms follow it.
  // True when the zoom changed.
  bool FormResize(const PaintViewport& viewport, int dpi);
  // --- mouse (mouse_clicks.cpp) ----------------------------------------------
  // A double click without a selection selects the word and starts the
  // triple-click timing (milliseconds of a steady clock).
  void PaintBox1DblClick(uint64_t tickMs);
  enum class MouseDownKind { ordinary, secondOfDoubleClick, tripleClick };
  // Classifies a button press; a triple click selects the paragraph.
  MouseDownKind mouseDownClickCount(uint64_t tickMs);
  // The scroll position that shows the caret of the last paint: its whole
  // line and its x with a small margin, and the page's top or left edge too
  // when that fits beside it. `scroll` when all that is visible already or
  // the caret is an object's.
  struct ScrollPosition {
    int x = 0, y = 0;
    bool operator==(const ScrollPosition&) const = default;
  };
  ScrollPosition ScrollCursorinView(ScrollPosition scroll, int clientWidth, int clientHeight) const;
  // --- the horizontal ruler (ruler_commands.cpp) -----------------------------
  // A press at (x, y) of a ruler `width` pixels wide: takes the marker or
  // stop hit, or sets a new stop of `tabKind` in the column's lower part.
  // `freeDrag` (right button) drags without snapping to the ticks.
  void PaintBox3MouseDown(int x, int y, int width, bool freeDrag, int32_t tabKind);
  void PaintBox3MouseMove(int x);
  // Applies the drag to every selected paragraph as one undo step.
  void PaintBox3MouseUp();
  // Ends a drag without applying it (Escape, focus or window lost).
  void cancelRulerDrag();
  // What the horizontal ruler shows: the caret paragraph, or the drag.
  RulerMarkers horizontalRulerPicture(int width) const;
  const RulerDrag& rulerDrag() const { return rulerDrag_; }
  // --- tables (table_commands.cpp, table_cell_format.cpp, column_drag.cpp) --
  // "&Tabelle einfügen...": the dialog, then inserttableXY; nothing inside
  // a table (tables do not nest).
  void inserttable();
  void inserttableXY(int32_t cols, int32_t rows);
  // Rows before or after the caret's row (dialog), one row after the table.
  void insertTableLines();
  void AddTableLines();
  // Columns at the caret's cell (dialog) or, appending, after every row's
  // last cell: in the selected rows, or in the whole table.
  void InsertTableCols(bool append);
  // The caret's or selected cells (mode 0), their rows (1) or columns (2).
  void DeleteTableCells(int32_t mode);
  void TabelleTeilen();
  // Borders and background of the selected cells through the cell dialog.
  void Zellenformatieren();
  void VerteileTableCols();
  // Moves every column edge of the current drag to `x`, mm from the left of
  // the dragged line's text column; one undo step.
  void SetTableTrack(double x);
  // SetTableTrack without the layout that follows; true when an edge moved.
  bool moveTableTracks(double x);
  // The page view's mouse, in paint-box pixels (object_mouse.cpp). A press
  // in insert mode starts the rubber band (the right button ends the mode),
  // one on a column edge starts its drag: true when the press is taken so.
  // Otherwise the view lets a paint resolve the press and then calls
  // objectPressResolved. Moves only draw outlines on the overlay; the
  // release applies the drag.
  bool PaintBox1MouseDown(int x, int y, bool rightButton);
  // After a paint resolved a left press: a pending link takes it, or a press
  // on an object's grip or a picture's handle starts that drag (true).
  bool objectPressResolved();
  void PaintBox1MouseMove(int x, int y);
  void PaintBox1MouseUp(int x, int y);
  // A drag of the editor's own runs: moves and the release belong to it.
  bool mouseCaptured() const { return columnDrag_.active || objectDrag_.kind != ObjectDragKind::none; }
  // The kind of the mouse object of the last paint under (x, y), -1 none.
  int32_t mouseObjectKindAt(int x, int y) const;
  // The pointer over (x, y) with no button pressed.
  PointerShape pointerAt(int x, int y) const;
  // Dragged text was released at the drop position the last paint found:
  // moved there, or copied with Ctrl, through the clipboard.
  void dropDraggedText(bool copy);
  const ObjectDrag& objectDrag() const { return objectDrag_; }
  const ColumnDrag& columnDrag() const { return columnDrag_; }
  ViewOptions& viewOptions() { return viewOptions_; }
  PaintState& paintState() { return paintState_; }
  const PaintState& paintState() const { return paintState_; }

 private:
  void recordUndoStep(std::string_view caption, bool original);
  void showRestoredState();
  // Rows of the key table.
  void finishNavigation(ShiftState shift);
  void finishEdit();
  bool navigationKey(int32_t key, ShiftState shift);
  void wordLeft(ShiftState shift);
  void wordRight(ShiftState shift);
  void selectAll();
  void deleteBackward();
  void deleteForward();
  TLineRec* beginDeleteKey(int32_t mergeKind, bool withUndo);
  void insertTab();
  void toggleSoftHyphen();
  void deleteSelectedObjects();
  // Deletes the selected objects without an undo step of its own.
  void removeSelectedObjects();
  bool pasteFormattedText();
  bool pastePlainText();
  bool pasteBitmap();
  void setAlignment(uint8_t alignment);
  template <typename Change>
  void changeCaretObject(const Change& change);
  void relayoutForLanguage();
  // Writes the named paragraph values as one undo step "Absatzformat".
  void writeParagraphFields(const ParagraphValues& values, uint32_t fields);
  // A key during a ruler drag: Escape ends it, any other spoils it.
  void rulerDragKey(int32_t key);
  bool tableCellAtCaret(bool withMessage);
  void finishTableCommand(const TextPos& caret);
  void showRulerGuide();
  void insertFieldCell(std::string_view code, std::string_view text);
  // The user's own pattern, asked for with `preset`; none when cancelled or
  // empty (which is refused with a message).
  std::optional<std::string> askUserDateTimePattern(std::string_view preset);
  void typeText(std::string_view text);
  // A picture file from the open dialog; none when cancelled or unreadable
  // (the failure is shown).
  std::optional<TPictureRec> choosePictureFile();
  // Makes a picture cell at the caret without the checks and undo step of
  // insertPicture.
  void placePictureCell(TPictureRec picture);
  bool startColumnDrag(int x, int y, bool rightButton);
  void moveColumnDrag(int x);
  void finishColumnDrag(int x);
  void finishRubberBand(int x, int y);
  void finishFrameDrag(int x, int y);
  void finishPictureDrag(int x, int y);
  void showObjectOutline(const CanvasRect& rect);

  EditorHost& host_;
  ProgramServices& services_;
  Document doc_;
  ViewOptions viewOptions_;
  PaintState paintState_;
  int layoutRequestsInARow_ = 0;
  int ClickCount = 0;
  uint64_t ClickTick = 0;
  DocumentHyphenation hyphenation_;
  std::function<bool(std::string_view)> spellingHook_;
  bool spellingRecheck_ = true;
  std::function<bool(Document&)> fieldRefreshHook_;
  FieldSources fieldSources_;
  UndoHistory undo_;
  TypingOptions ownTypingOptions_;
  TypingOptions* typingOptions_ = &ownTypingOptions_;
  RulerDrag rulerDrag_;
  ColumnDrag columnDrag_;
  ObjectDrag objectDrag_;
};

}  // namespace vendaro
