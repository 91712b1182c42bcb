#include "app/about_box.h"

#include <QDate>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vendaro {
namespace {

constexpr char kCopyright[] = "Copyright © XXXX TOR-MEL";

}  // namespace

QString withYear(QString text, int year) { return text.replace(QStringLiteral("XXXX"), QString::number(year)); }

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Info"));
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(QStringLiteral("<b>TOR-MEL Vendaro</b>"), this);
  layout->addWidget(product);
  auto* purpose = new QLabel(QStringLiteral("Textverarbeitung für Plakate, Schilder, Aushänge und Formulare"), this);
  purpose->setWordWrap(true);  // a narrow screen wraps it rather than scrolling sideways
  layout->addWidget(purpose);
  copyright_ = new QLabel(this);
  layout->addWidget(copyright_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* web = buttons->addButton(QStringLiteral("&Homepage"), QDialogButtonBox::ActionRole);
  connect(web, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProjectWebPage))); });
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QString TAboutBox::copyrightText() const { return withYear(QString::fromUtf8(kCopyright), QDate::currentDate().year()); }

void TAboutBox::showEvent(QShowEvent* event) {
  copyright_->setText(copyrightText());
  QDialog::showEvent(event);
}

}  // namespace vendaro
