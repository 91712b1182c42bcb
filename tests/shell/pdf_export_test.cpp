// "PDF-Export..." through the shell: the dialog it shows, the name the file
// is written under, and the message (and no file) when it cannot be written.
#include <gtest/gtest.h>

#include "scripted_shell_host.h"
#include "shell/pdf_export.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using test::ScriptedShellHost;

class PdfExport : public testing::Test {
 protected:
  void SetUp() override {
    test::writeNativeFile(dir.file("brief.lpx"), "Hallo PDF");
    document = shell.openDocument(dir.file("brief.lpx"), kOpenNative);
    ASSERT_NE(document, nullptr);
  }
  test::TempDir dir;
  ScriptedShellHost host;
  Shell shell{host};
  ShellDocument* document = nullptr;
};

TEST_F(PdfExport, AsksForAPdfNameAndWritesTheFile) {
  test::ScriptedWindow& window = ScriptedShellHost::windowOf(*document);
  EXPECT_FALSE(shell.PDFExport1Click(document));  // cancelled
  ASSERT_EQ(window.saveRequests.size(), 1u);
  const FileDialogState& asked = window.saveRequests[0];
  ASSERT_EQ(asked.filters.size(), 1u);
  EXPECT_EQ(asked.filters[0].description, "PDF-Dateien (*.pdf)");
  EXPECT_EQ(asked.fileName, dir.file("brief.pdf").string());
  EXPECT_TRUE(asked.confirmOverwrite);

  window.saveAnswer = FileDialogState{pdfDialogFilters(), 1, dir.file("ausgabe").string(), true};
  EXPECT_TRUE(shell.PDFExport1Click(document));
  const std::string bytes = test::readFileBytes(dir.file("ausgabe.pdf"));
  EXPECT_TRUE(bytes.starts_with("%PDF-1.3")) << bytes.substr(0, 20);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_FALSE(document->editor().doc().Modified);
  EXPECT_FALSE(shell.PDFExport1Click(nullptr));
}

TEST_F(PdfExport, AnUnwritableFolderGivesTheMessageAndNoFile) {
  test::ScriptedWindow& window = ScriptedShellHost::windowOf(*document);
  window.saveAnswer = FileDialogState{pdfDialogFilters(), 1, dir.file("fehlt/neu.pdf").string(), true};
  EXPECT_FALSE(shell.PDFExport1Click(document));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, kPdfNotCreatedMessage);
  EXPECT_EQ(window.messages[0].icon, MessageIcon::information);
  EXPECT_FALSE(fs::exists(dir.file("fehlt")));
}

}  // namespace
}  // namespace vendaro
