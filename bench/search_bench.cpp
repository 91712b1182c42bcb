// search_bench.cpp — the search dialog's work on a 300,000-character text:
// looking for an absent 10-character text through every frame, and
// "&Alle ersetzen" of 5,000 matches with its undo snapshot and layout run.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench_documents.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

// Answers the dialog once with `options` and `code`, then cancels; the
// closing message is swallowed.
class ScriptedSearchHost : public EditorHost {
 public:
  void showMessage(const std::string&, MessageIcon, const std::string&) override {}
  void setStatusText(int, const std::string&) override {}
  void setCaption(const std::string&) override {}
  int showSearchForm(TSearchForm& form) override {
    if (answered_) return kSearchCancel;
    answered_ = true;
    form.search = form.replace = options;
    form.replacement = replacement;
    return code;
  }
  void rearm() { answered_ = false; }

  SearchOptions options;
  std::string replacement;
  int code = kSearchFindNext;

 private:
  bool answered_ = false;
};

// 2,000 paragraphs of 150 characters, laid out; with `marker`, one copy of
// it every 60 characters (5,000 in all).
void fillText(Editor& editor, const std::string& marker) {
  editor.FormCreate();
  std::mt19937 random(7);
  bench::fillWithParagraphs(editor.doc(), random);
  if (!marker.empty()) {
    for (TLineRec& line : editor.doc().Fields[0].Lines)
      for (size_t at = 20; at + marker.size() <= line.Chars.size(); at += 60)
        for (size_t i = 0; i < marker.size(); ++i) line.Chars[at + i].Ch = static_cast<uint8_t>(marker[i]);
  }
  editor.documentLoaded();
}

void BM_SearchAbsentTextThroughEveryFrame(benchmark::State& state) {
  ScriptedSearchHost host;
  Editor editor(host);
  fillText(editor, {});
  host.options.text = "qqxqqxqqxq";
  host.options.fromStart = true;
  host.options.allFrames = true;
  for (auto _ : state) {
    host.rearm();
    editor.SuchenErsetzen(0);
  }
}
BENCHMARK(BM_SearchAbsentTextThroughEveryFrame)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllFiveThousandMatches(benchmark::State& state) {
  ScriptedSearchHost host;
  Editor editor(host);
  host.options.text = "qxqz";
  host.options.fromStart = true;
  host.replacement = "Plakatwand";
  host.code = kSearchReplaceAll;
  for (auto _ : state) {
    state.PauseTiming();
    editor.FreeAllUndoCops();
    fillText(editor, "qxqz");
    host.rearm();
    state.ResumeTiming();
    editor.SuchenErsetzen(1);
  }
}
BENCHMARK(BM_ReplaceAllFiveThousandMatches)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace vendaro
