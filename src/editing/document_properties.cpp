// document_properties.cpp — the properties dialog: the eight document
// properties that document information fields show, and the statistics.
#include "editing/editor.h"
#include "editing/word_count.h"

namespace vendaro {

void Editor::DokumentEigenschaften(int page) {
  DocumentPropsDialog dialog;
  dialog.page = page;
  std::copy(doc_.DocProps.begin(), doc_.DocProps.end(), dialog.props.begin());
  dialog.statistics = statisticsRows(CountWords(doc_));
  if (!host_.showDocumentPropsDialog(dialog)) return;
  if (!std::equal(dialog.props.begin(), dialog.props.end(), doc_.DocProps.begin())) SetFileChanged(true);
  std::copy(dialog.props.begin(), dialog.props.end(), doc_.DocProps.begin());
  CompleteRefresh();
}

}  // namespace vendaro
