#include "app/enter_key.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace vendaro {
namespace {

// A typed entry is applied once and the box does not take the key further.
class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QObject* parent, std::function<void()> done) : QObject(parent), done_(std::move(done)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        done_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> done_;
};

}  // namespace

void onEnter(QComboBox* box, std::function<void()> done) {
  QWidget* target = box->isEditable() ? static_cast<QWidget*>(box->lineEdit()) : box;
  target->installEventFilter(new EnterKeyFilter(box, std::move(done)));
}

}  // namespace vendaro
