// format_dialogs.h — the formatting dialogs every document shares, each
// made the first time it is needed and kept with its state afterwards.
#pragma once

class QWidget;

namespace vendaro {

class CharacterFormatDialog;
class CharacterTableDialog;
class ColumnsDialog;
class NumberingDialog;
class ParagraphDialog;
class StyleManagerDialog;
class StyleNameDialog;
class TabStopsDialog;

class FormatDialogs {
 public:
  // The dialogs belong to `owner` and go with it.
  explicit FormatDialogs(QWidget& owner) : owner_(owner) {}

  CharacterTableDialog& characterTable();
  CharacterFormatDialog& characterFormat();
  ParagraphDialog& paragraph();
  TabStopsDialog& tabStops();
  NumberingDialog& numbering();
  ColumnsDialog& columns();
  StyleNameDialog& styleName();
  StyleManagerDialog& styleManager();

 private:
  QWidget& owner_;
  CharacterTableDialog* characterTable_ = nullptr;
  CharacterFormatDialog* characterFormat_ = nullptr;
  ParagraphDialog* paragraph_ = nullptr;
  TabStopsDialog* tabStops_ = nullptr;
  NumberingDialog* numbering_ = nullptr;
  ColumnsDialog* columns_ = nullptr;
  StyleNameDialog* styleName_ = nullptr;
  StyleManagerDialog* styleManager_ = nullptr;
};

}  // namespace vendaro
