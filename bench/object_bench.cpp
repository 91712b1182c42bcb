// object_bench.cpp — pictures and frames with the mouse: inserting a
// 20-megapixel JPEG photo from its file (read, decoded, placed, laid out),
// and one mouse move while a frame on an A0 page at whole-page zoom is
// dragged by its corner.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_documents.h"
#include "editing/editor.h"
#include "platform/dib.h"
#include "platform/null_canvas.h"

namespace vendaro {
namespace {

// Answers the picture dialog with one file.
class PictureHost : public bench::QuietHost {
 public:
  explicit PictureHost(std::string file) : file_(std::move(file)) {}
  bool showOpenDialog(FileDialogState& dialog) override {
    dialog.fileName = file_;
    return true;
  }

 private:
  std::string file_;
};

std::string twentyMegapixelJpeg() {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "vendaro_bench_20mp.jpg";
  if (std::filesystem::exists(path)) return path.string();
  std::mt19937 random(5);
  const TPictureRec photo = bench::twentyMegapixelPhoto(random);
  SaveDib(photo, path.string(), kDibJpeg, 90);
  return path.string();
}

void InsertTwentyMegapixelJpeg(benchmark::State& state) {
  PictureHost host(twentyMegapixelJpeg());
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>(host);
    editor->FormCreate();
    state.ResumeTiming();
    editor->GrafikEinfuegen();
    benchmark::DoNotOptimize(editor->doc().PictureCount());
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(InsertTwentyMegapixelJpeg)->Unit(benchmark::kMillisecond)->Iterations(5);

void MouseMoveDraggingAFrameOnA0(benchmark::State& state) {
  bench::QuietHost host;
  Editor editor(host);
  editor.doc() = bench::a0PosterDocument(20000, false);
  editor.documentLoaded();
  editor.InsertObject(0, 0, false, {100, 100, 400, 300});
  editor.doc().ZoomMode = kZoomWholePage;
  const PaintViewport window{0, 0, 1200, 1200, 1184, 1184, 16, 16, true, true};
  editor.FormResize(window, 96);
  editor.paintState().viewport = window;
  NullCanvas canvas(96);
  for (int settle = 0; settle < 3; ++settle) editor.DrawPages(canvas, false);
  // Press the frame's bottom-right handle as the page view does.
  const PaintState& s = editor.paintState();
  const int x = s.originX + 1 + static_cast<int>(400 / s.mmPerPixel) + 3;
  const int y = s.originY + 2 + static_cast<int>(300 / s.mmPerPixel) + 3;
  PendingClick& click = editor.paintState().click;
  click.ClickPending = true;
  click.ClickX = x;
  click.ClickY = y;
  editor.DrawPages(canvas, false);
  click = PendingClick{};
  if (!editor.objectPressResolved()) state.SkipWithError("the handle was not hit");
  int step = 0;
  for (auto _ : state) {
    ++step;
    editor.PaintBox1MouseMove(x + step % 200, y + step % 150);
  }
}
BENCHMARK(MouseMoveDraggingAFrameOnA0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vendaro
