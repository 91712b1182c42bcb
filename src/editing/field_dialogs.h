// field_dialogs.h — the dialogs of fields, form fields and document
// properties as the editor fills them and reads them back, and the lists the
// field and date dialogs offer with the codes their entries stand for.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editing/date_time_pattern.h"

namespace vendaro {

inline constexpr std::array<const char*, 8> kDatePatterns{"d.mmmm.yyyy", "d.mmmm.yy", "d.m.yy", "dd.mm.yyyy",
                                                          "mmm.yy", "mmmm.yy", "yyyy-mm-dd", "yy-mm-dd"};
inline constexpr std::array<const char*, 4> kTimePatterns{"HH:MM", "H:MM", "H \"Uhr\" M", "h:MM am/pm"};
inline constexpr const char* kUserDefinedEntry = "Benutzerdefiniert";

enum FieldCategory : int { kCategoryNumbering, kCategoryDate, kCategoryTime, kCategoryFile, kCategoryUser, kCategoryDocInfo };
inline constexpr std::array<const char*, 6> kFieldCategories{"Nummierung", "Datum", "Zeit", "Dateiname", "Benutzer", "Dokumentinfos"};

// The entries of "Feldname:" for a category; date and time entries show
// `now` formatted with their pattern (code page 1252).
std::vector<std::string> fieldNameEntries(int category, const DateTime& now);
// The code an entry inserts; none for "Benutzerdefiniert" (the pattern is
// asked for) and for entries that do not exist.
std::optional<std::string> fieldCodeFor(int category, int entry);
// A date or time entry: the formatted value, a tab and the pattern in brackets.
std::string patternEntry(std::string_view pattern, const DateTime& now);

// "Feld einfügen": the category and the entry chosen.
struct FeldEinfuegenDialog {
  DateTime now;
  int category = kCategoryNumbering;
  int entry = 0;
};

// "Benuterdefiniertes Datums- oder Zeitformat": the pattern typed; the
// dialog previews `now` in it while it is typed.
struct UserDateTimeDialog {
  DateTime now;
  std::string pattern;  // code page 1252
};

// "Datum und Uhrzeit einfügen": the eight date and four time patterns, then
// "Benutzerdefiniert". The dialog keeps "Als Feld einfügen" from one use to
// the next and reports it.
struct DateTimeDialog {
  std::vector<std::string> entries;
  int selected = 0;
  bool asField = false;
};
std::vector<std::string> dateTimeEntries(const DateTime& now);

// "Formularfeld einfügen".
struct InsertFormFieldDialog {
  std::string name = "Feldname";  // code page 1252
  std::string content;
};

// "Formulardialog": one row per form field in document order, name and
// content (code page 1252); the dialog edits the contents.
struct FormDialog {
  std::vector<std::pair<std::string, std::string>> rows;
};

// "Dokumenteigenschaften": the page shown first (0 "Infos", 1 "Statistik"),
// the eight properties and the statistics rows (label, value).
inline constexpr std::array<const char*, 8> kDocPropLabels{"Titel:", "Thema:", "Autor:", "Manager:", "Firma:",
                                                           "Kategorie:", "Stichw\xF6rter:", "Kommentar:"};
struct DocumentPropsDialog {
  int page = 0;
  std::array<std::string, 8> props;  // code page 1252
  std::vector<std::pair<std::string, std::string>> statistics;
};

}  // namespace vendaro
