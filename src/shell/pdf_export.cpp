#include "shell/pdf_export.h"

#include "editing/settle_layout.h"
#include "output/pdf_canvas.h"
#include "output/pdf_page_painter.h"

namespace vendaro {

bool SavePDFFile(Editor& editor, const std::filesystem::path& path) {
  settleLayout(editor);
  Document& doc = editor.doc();
  TPDFCanvas canvas(doc.fontEngine());
  canvas.ShowMessage = [&editor](const std::string& text) { editor.host().showMessage(text, MessageIcon::error); };
  const PaperPoints paper = paperPoints(doc);
  canvas.PageWidthPt = paper.width;
  canvas.PageHeightPt = paper.height;
  if (!canvas.BeginDoc(path)) {
    editor.host().showMessage(kPdfNotCreatedMessage, MessageIcon::information);
    return false;
  }
  const int32_t pages = doc.GetAnzPages();
  for (int32_t page = 0; page < pages; ++page) {
    DrawPagesPDF(canvas, doc, page);
    if (page + 1 < pages) canvas.NewPage();
  }
  if (!canvas.EndDoc()) {
    editor.host().showMessage(kPdfNotCreatedMessage, MessageIcon::information);
    return false;
  }
  return true;
}

const std::vector<FileDialogFilter>& pdfDialogFilters() {
  static const std::vector<FileDialogFilter> filters{{"PDF-Dateien (*.pdf)", "*.pdf", 1}};
  return filters;
}

std::filesystem::path withPdfExtension(const std::filesystem::path& chosen) {
  if (chosen.has_extension()) return chosen;
  std::filesystem::path path = chosen;
  return path.replace_extension(".pdf");
}

}  // namespace vendaro
