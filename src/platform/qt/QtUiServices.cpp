// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtUiServices.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/QtText.h"

namespace tesmoran {

QString QtUiServices::PromptLines(const Text& prompt) {
  Text out;
  out.reserve(prompt.size());
  for (std::size_t i = 0; i < prompt.size(); ++i) {
    const Char c = prompt[i];
    if (c == kCR || c == kLF) {
      out.push_back(kLF);
      // CR LF and LF CR are one line break each.
      if (i + 1 < prompt.size() && (prompt[i + 1] == kCR || prompt[i + 1] == kLF) && prompt[i + 1] != c) ++i;
    } else {
      out.push_back(c);
    }
  }
  return ToQString(out);
}

QMessageBox* QtUiServices::BuildMessageBox(const Text& prompt, int styleValue, const Text& title,
                                           QWidget* parent) {
  auto* box = new QMessageBox(parent);
  box->setWindowTitle(ToQString(title));
  box->setTextFormat(Qt::PlainText);
  box->setText(PromptLines(prompt));
  switch (styleValue & 0xF0) {
    case 16: box->setIcon(QMessageBox::Critical); break;
    case 32: box->setIcon(QMessageBox::Question); break;
    case 48: box->setIcon(QMessageBox::Warning); break;
    case 64: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
  }
  if (IsYesNoStyle(styleValue)) {
    QPushButton* yes = box->addButton(QMessageBox::Yes);
    QPushButton* no = box->addButton(QMessageBox::No);
    box->setDefaultButton(IsSecondButtonDefault(styleValue) ? no : yes);
    box->setEscapeButton(no);
  } else {
    QPushButton* ok = box->addButton(QMessageBox::Ok);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
  }
  return box;
}

int QtUiServices::MessageBox(const Text& prompt, int styleValue, const Text& title) {
  QMessageBox* box = BuildMessageBox(prompt, styleValue, title, parent_);
  box->exec();
  const QMessageBox::StandardButton pressed = box->standardButton(box->clickedButton());
  delete box;
  if (!IsYesNoStyle(styleValue)) return kAnswerOk;
  return pressed == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

Text QtUiServices::InputBox(const Text& prompt, const Text& title, const Text& defaultAnswer) {
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(ToQString(title));
  // The label takes '&' as a shortcut mark; a doubled one shows as itself.
  QString label = PromptLines(prompt);
  label.replace(QLatin1Char('&'), QLatin1String("&&"));
  dialog.setLabelText(label);
  dialog.setTextValue(ToQString(defaultAnswer));
  dialog.setInputMode(QInputDialog::TextInput);
  if (dialog.exec() != QDialog::Accepted) return Text();
  return FromQString(dialog.textValue());
}

Text QtUiServices::ClipboardText() {
  return FromQString(QApplication::clipboard()->text());
}

void QtUiServices::SetClipboardText(const Text& text) {
  QApplication::clipboard()->setText(ToQString(text));
}

}  // namespace tesmoran
