#include "app/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace vendaro {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::information: return QMessageBox::Information;
    case MessageIcon::warning: return QMessageBox::Warning;
    case MessageIcon::error: return QMessageBox::Critical;
    case MessageIcon::question: return QMessageBox::Question;
    case MessageIcon::none: break;
  }
  return QMessageBox::NoIcon;
}

QString title(const std::string& caption) {
  return caption.empty() ? QStringLiteral("Vendaro") : QString::fromStdString(caption);
}

}  // namespace

void showMessageBox(QWidget* parent, const std::string& text, MessageIcon icon, const std::string& caption) {
  QMessageBox box(qtIcon(icon), title(caption), QString::fromStdString(text), QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

QuestionAnswer askYesNoCancelBox(QWidget* parent, const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, title(caption), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return QuestionAnswer::yes;
    case QMessageBox::No: return QuestionAnswer::no;
    default: return QuestionAnswer::cancel;
  }
}

bool askYesNoBox(QWidget* parent, const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Warning, title(caption), QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace vendaro
