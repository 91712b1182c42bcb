// qt_startup_bench.cpp — from process start to an editable window: each
// iteration starts this program anew (as a child process on the offscreen
// platform), which builds the application, the main window and the first
// document exactly as the program does, and ends as soon as the document's
// window is shown and painted with the German word list loaded.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/desktop_integration.h"
#include "run_benchmarks.h"
#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "editing/program_services.h"
#include "platform/heap_pages.h"
#include "spelling/spelling_service.h"

extern char** environ;

namespace vendaro {
namespace {

constexpr char kChildArgument[] = "--startup-child";
constexpr int kChildTimeoutMs = 20000;

bool editable(MainWindow& window) {
  EditorWindow* editor = window.activeEditorWindow();
  return editor && editor->isVisible() && !editor->view().image().isNull() &&
         !ProgramServices::shared().spelling.words(SpellingService::kGerman).empty();
}

int runChild(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vendaro"));
  registerDesktopIntegration(desktopFolders(), QCoreApplication::applicationFilePath().toStdString());
  MainWindow window;
  window.show();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (editable(window)) app.exit(0);
  });
  poll.start(1);
  QTimer::singleShot(kChildTimeoutMs, [&] { app.exit(1); });
  const int status = app.exec();
  // The measurement ends here; tearing down the window is not part of it.
  std::_Exit(status);
}

std::filesystem::path childFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vendaro-startup-XXXXXX").string();
  if (!mkdtemp(pattern.data())) std::abort();
  return pattern;
}

void ProcessStartToEditableWindow(benchmark::State& state) {
  // A user of their own: no settings, recovery files or desktop entry yet.
  const std::filesystem::path home = childFolder();
  setenv("VENDARO_CONFIG_DIR", (home / "config").c_str(), 1);
  setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string argument = kChildArgument;
  char* argv[] = {self.data(), argument.data(), nullptr};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ) != 0 || waitpid(child, &status, 0) != child ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program did not come up");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
}
BENCHMARK(ProcessStartToEditableWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace vendaro

int main(int argc, char** argv) {
  vendaro::reserveHeapOnLargePages();
  if (argc == 2 && std::strcmp(argv[1], vendaro::kChildArgument) == 0) return vendaro::runChild(argc, argv);
  return vendaro::bench::runBenchmarks(argc, argv);
}
