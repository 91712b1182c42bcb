// field_menu_entries.h — the menu entries of fields, footnotes, form fields
// and document properties, added to the main window's menus and enabled as
// the menus open.
#pragma once

namespace vendaro {

class MainMenus;
class MainWindow;

// Adds "&Eigenschaften..." to Datei, date, field, form field and footnote
// to Einfügen, and word count and form dialog to Extras.
void addFieldMenuEntries(MainMenus& menus, MainWindow& main);

}  // namespace vendaro
