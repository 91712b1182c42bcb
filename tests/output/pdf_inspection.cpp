#include "output/pdf_inspection.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>

#include "output/pdf_canvas.h"
#include "support/temp_dir.h"

namespace vendaro::test {

namespace {

struct ToolResult {
  int exitCode = -1;
  std::string output;
};

ToolResult runTool(const std::string& tool, const std::filesystem::path& path, const std::string& after = "") {
  std::string quoted = "'";
  for (char ch : path.string()) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  ToolResult result;
  FILE* pipe = popen((tool + " " + quoted + "' " + after + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, got);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace

PdfFileView readPdf(const std::filesystem::path& path) {
  PdfFileView view;
  view.bytes = readFileBytes(path);
  const std::string& bytes = view.bytes;
  const size_t startxref = bytes.rfind("startxref\n");
  const size_t xref = startxref == std::string::npos ? 0 : std::stoul(bytes.substr(startxref + 10));
  if (bytes.compare(xref, 7, "xref\n0 ") != 0) {
    view.problem = "startxref does not point at the xref table";
    return view;
  }
  const size_t entries = bytes.find('\n', xref + 7) + 1;
  view.size = std::stoi(bytes.substr(xref + 7));
  for (int number = 0; number < view.size; ++number) {
    const std::string entry = bytes.substr(entries + 20 * static_cast<size_t>(number), 20);
    if (entry.size() != 20 || (entry.substr(17) != "n \n" && entry.substr(17) != "f \n")) {
      view.problem = "bad xref entry " + std::to_string(number);
    } else if (entry[17] == 'n') {
      const size_t offset = std::stoul(entry.substr(0, 10));
      const std::string header = std::to_string(number) + " 0 obj\n";
      if (bytes.compare(offset, header.size(), header) != 0) {
        view.problem = "wrong offset of object " + std::to_string(number);
      }
      const size_t body = offset + header.size();
      view.objects[number] = bytes.substr(body, bytes.find("endobj\n", body) - body);
    }
  }
  return view;
}

std::string streamData(const std::string& objectBody) {
  const size_t start = objectBody.find("stream\n") + 7;
  return objectBody.substr(start, objectBody.rfind("endstream") - start);
}

namespace {

std::string inflate(std::string data) {
  if (!data.empty()) data.pop_back();  // the line feed the writer puts before "endstream"
  std::string out(data.size() * 50 + 64, '\0');
  uLongf length = out.size();
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data.data()),
                 data.size()) != Z_OK) {
    return "<inflate failed>";
  }
  out.resize(length);
  return out;
}

}  // namespace

std::string pageContent(const PdfFileView& pdf, int page) { return inflatedStream(pdf, 2 * page); }

std::string inflatedStream(const PdfFileView& pdf, int object) {
  const auto found = pdf.objects.find(object);
  return found == pdf.objects.end() ? "<no object>" : inflate(streamData(found->second));
}

int referenceAfter(const std::string& objectBody, const std::string& key) {
  const size_t at = objectBody.find(key + " ");
  return at == std::string::npos ? 0 : std::atoi(objectBody.c_str() + at + key.size() + 1);
}

std::vector<int> objectsStartingWith(const PdfFileView& pdf, const std::string& prefix) {
  std::vector<int> numbers;
  for (const auto& [number, body] : pdf.objects) {
    if (body.starts_with(prefix)) numbers.push_back(number);
  }
  return numbers;
}

int countOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
  return count;
}

std::string validatePdf(const std::filesystem::path& path) {
  const ToolResult check = runTool("qpdf --check", path);
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_NE(check.output.find("No syntax or stream encoding errors"), std::string::npos) << check.output;
  const ToolResult info = runTool("pdfinfo", path);
  EXPECT_EQ(info.exitCode, 0) << info.output;
  const ToolResult text = runTool("pdftotext -enc Latin1", path, "-");
  EXPECT_EQ(text.exitCode, 0) << text.output;
  EXPECT_EQ(info.output.find("Syntax"), std::string::npos) << info.output;
  EXPECT_EQ(text.output.find("Syntax"), std::string::npos) << text.output;
  return text.output;
}

PdfFileView finishAndCheck(TPDFCanvas& canvas, const std::filesystem::path& path) {
  EXPECT_TRUE(canvas.EndDoc());
  PdfFileView pdf = readPdf(path);
  EXPECT_EQ(pdf.problem, "");
  validatePdf(path);
  return pdf;
}

std::string pdfText(const std::filesystem::path& path) {
  const ToolResult text = runTool("pdftotext -enc UTF-8", path, "-");
  EXPECT_EQ(text.exitCode, 0) << text.output;
  return text.output;
}

std::string pageSize(const std::filesystem::path& path, int page) {
  const std::string k = std::to_string(page);
  const std::string output = runTool("pdfinfo -f " + k + " -l " + k, path).output;
  const std::string label = "Page" + std::string(5 - k.size(), ' ') + k + " size: ";
  const size_t at = output.find(label);
  if (at == std::string::npos) return output;
  const size_t start = output.find_first_not_of(' ', at + label.size());
  return output.substr(start, output.find(" pts", start) + 4 - start);
}

TPictureRec renderPage(const std::filesystem::path& path, int page, int dpi) {
  const std::filesystem::path image = path.parent_path() / (path.stem().string() + "-render");
  const std::string k = std::to_string(page);
  const ToolResult run = runTool("pdftoppm -png -singlefile -aa no -aaVector no -r " + std::to_string(dpi) +
                                     " -f " + k + " -l " + k,
                                 path, "'" + image.string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  TPictureRec picture;
  EXPECT_TRUE(OpenDib(picture, image.string() + ".png")) << picture.ErrorText;
  std::filesystem::remove(image.string() + ".png");
  return picture;
}

std::string fontTable(const std::filesystem::path& path) {
  const ToolResult run = runTool("pdffonts", path);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  const size_t body = run.output.find("---");
  return body == std::string::npos ? run.output : run.output.substr(run.output.find('\n', body) + 1);
}

}  // namespace vendaro::test
