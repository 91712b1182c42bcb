// word_file_builder.h — writes small Word 97–2003 files byte by byte for
// tests and benchmarks: the text in one or more pieces (8- or 16-bit),
// character and paragraph runs with their modifiers, a style sheet, fonts,
// one section, header and footer stories and a "Data" stream. The document
// stream starts at sector 0, so tests can damage its FIB after `build`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/compound_file_builder.h"

namespace vendaro::testing {

class WordFileBuilder {
 public:
  using Bytes = std::vector<uint8_t>;
  struct Run {
    uint32_t cp = 0;  // where the run starts; it lasts until the next one
    Bytes sprms;
  };

  std::u16string text;                  // main text, then the stories
  uint32_t mainLength = 0;              // 0: all of `text`
  std::vector<uint32_t> storyStarts;    // header/footer table after the separators, relative
  std::vector<Run> charRuns, paraRuns;  // ascending cp
  Bytes sectionSprms, dop = Bytes(12, 0), styleSheet, data;
  std::vector<std::u16string> fonts{u"Times New Roman", u"Arial"};
  bool wide = false;      // 16-bit text
  size_t pieceCount = 1;  // the text cut into this many pieces
  uint16_t version = 193;
  uint16_t flags = 0x0200;  // table stream "1Table"

  static void put16(Bytes& b, size_t at, uint32_t v) { CompoundFileBuilder::put16(b, at, v); }
  static void put32(Bytes& b, size_t at, uint64_t v) { CompoundFileBuilder::put32(b, at, v); }
  static void add16(Bytes& b, uint32_t v) { b.resize(b.size() + 2); put16(b, b.size() - 2, v); }
  static void add32(Bytes& b, uint64_t v) { b.resize(b.size() + 4); put32(b, b.size() - 4, v); }
  static Bytes sprm(uint16_t opcode, Bytes operand) {
    operand.insert(operand.begin(), {static_cast<uint8_t>(opcode), static_cast<uint8_t>(opcode >> 8)});
    return operand;
  }
  static Bytes le16(int v) { return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}; }

  // A style sheet whose style 0 is a paragraph style with `charSprms`, and
  // style 1 a character style with `styleCharSprms`.
  void setStyles(const Bytes& charSprms, const Bytes& styleCharSprms) {
    Bytes s;
    add16(s, 18);  // header size
    Bytes header(18, 0);
    put16(header, 0, 2);   // styles
    put16(header, 2, 18);  // fixed part of each
    s.insert(s.end(), header.begin(), header.end());
    const auto style = [&](uint16_t kind, const std::vector<Bytes>& lists) {
      Bytes std(18, 0);
      put16(std, 2, kind | 0xFFF0);  // no base style
      put16(std, 4, static_cast<uint32_t>(lists.size()));
      add16(std, 1);
      add16(std, 'S');
      add16(std, 0);
      for (const Bytes& list : lists) {
        if (std.size() & 1) std.push_back(0);
        add16(std, static_cast<uint32_t>(list.size()));
        std.insert(std.end(), list.begin(), list.end());
      }
      if (std.size() & 1) std.push_back(0);
      add16(s, static_cast<uint32_t>(std.size()));
      s.insert(s.end(), std.begin(), std.end());
    };
    style(1, {Bytes{0, 0}, charSprms});
    style(2, {styleCharSprms});
    styleSheet = s;
  }

  Bytes build() const {
    const uint32_t length = static_cast<uint32_t>(text.size());
    const uint32_t main = mainLength ? mainLength : length;
    Bytes doc(0x400, 0), table;
    // The text, pieces in order and back to back, so fc follows cp.
    const uint32_t textAt = 0x400;
    for (char16_t c : text) wide ? add16(doc, c) : doc.push_back(static_cast<uint8_t>(c));
    const auto fcOf = [&](uint32_t cp) { return textAt + (wide ? 2 : 1) * cp; };
    const auto record = [&](const Run& run, bool paragraph) {
      Bytes r;
      if (paragraph) {
        Bytes grpprl{0, 0};
        grpprl.insert(grpprl.end(), run.sprms.begin(), run.sprms.end());
        if (grpprl.size() & 1) r.push_back(static_cast<uint8_t>((grpprl.size() + 1) / 2));
        else r = {0, static_cast<uint8_t>(grpprl.size() / 2)};
        r.insert(r.end(), grpprl.begin(), grpprl.end());
      } else {
        r.push_back(static_cast<uint8_t>(run.sprms.size()));
        r.insert(r.end(), run.sprms.begin(), run.sprms.end());
      }
      return r;
    };
    // Runs [first, last) on one page, ending at `endFc`.
    const auto fkpPage = [&](const std::vector<Run>& runs, size_t first, size_t last, uint32_t endFc, bool paragraph) {
      Bytes page(512, 0);
      const size_t n = last - first;
      size_t end = 511;
      for (size_t i = 0; i < n; ++i) {
        put32(page, 4 * i, fcOf(runs[first + i].cp));
        const Bytes r = record(runs[first + i], paragraph);
        end = (end - r.size()) & ~size_t(1);
        std::copy(r.begin(), r.end(), page.begin() + static_cast<std::ptrdiff_t>(end));
        page[4 * (n + 1) + (paragraph ? 13 : 1) * i] = static_cast<uint8_t>(end / 2);
      }
      put32(page, 4 * n, endFc);
      page[511] = static_cast<uint8_t>(n);
      return page;
    };
    // As many runs on each page as fit.
    const auto binTable = [&](std::vector<Run> runs, bool paragraph) {
      if (runs.empty()) runs.push_back(Run{});
      Bytes plc, pages;
      std::vector<std::pair<size_t, size_t>> spans;
      for (size_t first = 0; first < runs.size();) {
        size_t last = first, used = 4;
        while (last < runs.size()) {
          const size_t more = 4 + (paragraph ? 13 : 1) + record(runs[last], paragraph).size() + 1;
          if (used + more > 500) break;
          used += more;
          ++last;
        }
        spans.emplace_back(first, last);
        first = last;
      }
      doc.resize((doc.size() + 511) / 512 * 512, 0);
      for (const auto& [first, last] : spans) add32(plc, fcOf(runs[first].cp));
      add32(plc, fcOf(length));
      for (const auto& [first, last] : spans) {
        add32(plc, static_cast<uint32_t>(doc.size() / 512));
        const uint32_t endFc = last < runs.size() ? fcOf(runs[last].cp) : fcOf(length);
        const Bytes page = fkpPage(runs, first, last, endFc, paragraph);
        doc.insert(doc.end(), page.begin(), page.end());
      }
      return plc;
    };
    Bytes fib(0x400, 0);
    const auto place = [&](size_t pair, const Bytes& bytes) {
      put32(fib, 0x9A + 8 * pair, table.size());
      put32(fib, 0x9A + 8 * pair + 4, bytes.size());
      table.insert(table.end(), bytes.begin(), bytes.end());
    };
    place(12, binTable(charRuns, false));
    place(13, binTable(paraRuns, true));
    // One section with its modifiers after the bin pages.
    const uint32_t sepxAt = static_cast<uint32_t>(doc.size());
    add16(doc, static_cast<uint32_t>(sectionSprms.size()));
    doc.insert(doc.end(), sectionSprms.begin(), sectionSprms.end());
    Bytes sed;
    add32(sed, 0);
    add32(sed, main);
    Bytes descriptor(12, 0);
    put32(descriptor, 2, sepxAt);
    sed.insert(sed.end(), descriptor.begin(), descriptor.end());
    place(6, sed);
    if (!storyStarts.empty()) {
      Bytes hdd;
      for (int i = 0; i < 6; ++i) add32(hdd, 0);
      for (uint32_t start : storyStarts) add32(hdd, start);
      place(11, hdd);
    }
    if (!styleSheet.empty()) place(1, styleSheet);
    Bytes ffn;
    add16(ffn, static_cast<uint32_t>(fonts.size()));
    add16(ffn, 0);
    for (const std::u16string& name : fonts) {
      Bytes entry(40, 0);
      for (char16_t c : name) add16(entry, c);
      add16(entry, 0);
      entry[0] = static_cast<uint8_t>(entry.size() - 1);
      ffn.insert(ffn.end(), entry.begin(), entry.end());
    }
    place(15, ffn);
    place(31, dop);
    Bytes clx{2, 0, 0, 0, 0};
    const size_t pieces = std::max<size_t>(1, std::min<size_t>(pieceCount, length));
    for (size_t i = 0; i <= pieces; ++i) add32(clx, length * i / pieces);
    for (size_t i = 0; i < pieces; ++i) {
      const uint32_t fc = fcOf(static_cast<uint32_t>(length * i / pieces));
      add16(clx, 0);
      add32(clx, wide ? fc : (uint64_t(fc) * 2) | 0x40000000);
      add16(clx, 0);
    }
    put32(clx, 1, clx.size() - 5);
    place(33, clx);
    put16(fib, 0, 0xA5EC);
    put16(fib, 2, version);
    put16(fib, 0x0A, flags);
    put32(fib, 0x18, textAt);
    put32(fib, 0x4C, main);
    put32(fib, 0x54, length - main);
    put16(fib, 0x98, 93);
    std::copy(fib.begin(), fib.end(), doc.begin());
    // Past the mini stream's limit, so that the document stream starts at
    // sector 0 and a test finds the FIB at a known place.
    if (doc.size() < CompoundFileBuilder::kCutoff) doc.resize(CompoundFileBuilder::kCutoff, 0);
    CompoundFileBuilder file;
    file.add("WordDocument", doc);
    file.add((flags & 0x0200) ? "1Table" : "0Table", table);
    if (!data.empty()) file.add("Data", data);
    return file.build();
  }
};

}  // namespace vendaro::testing
