// app_test_support.h — drives the real windows in tests: waits for the
// event loop to bring something about, and answers modal dialogs the moment
// they show, the way a person would.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

namespace vendaro::test {

// Runs the event loop until `done` holds or `timeoutMs` pass; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

// Without a window manager a closed dialog leaves no window active.
inline void reactivate(QWidget& window) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Clicks the shown button captioned `text` (its mnemonic mark aside), or
// reports its absence and closes the dialog.
inline void clickButton(QWidget& dialog, const QString& text) {
  const auto plain = [](QString caption) { return caption.remove(QLatin1Char('&')); };
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (plain(button->text()) == plain(text) && button->isVisible()) {
      button->click();
      return;
    }
  }
  ADD_FAILURE() << "no button " << text.toStdString();
  dialog.close();
}

// Answers the modal dialogs that show, in order: each answer gets the
// dialog (a message box, file dialog or one of the program's) and closes it.
class DialogAnswerer {
 public:
  using Answer = std::function<void(QWidget& dialog)>;

  DialogAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
  }

  void add(Answer answer) { answers_.push_back(std::move(answer)); }
  bool allAnswered() const { return answers_.empty(); }
  int answered() const { return answered_; }

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_.data() || answers_.empty() || !modal->isVisible()) return;
    last_ = modal;
    // The program keeps some dialogs: the same one may show again.
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      QObject::connect(dialog, &QDialog::finished, &timer_, [this] { last_ = nullptr; }, Qt::SingleShotConnection);
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    ++answered_;
    answer(*modal);
  }

  QTimer timer_;
  std::deque<Answer> answers_;
  QPointer<QWidget> last_;
  int answered_ = 0;
};

}  // namespace vendaro::test
