#include "ui/Form1.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tesmoran {

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("T E S M O R A N : Lösungstext ersetzen"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("TESMORAN"), this));
  resize(751, 554);
}

}  // namespace tesmoran
