// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/RecoveryOffer.h"

#include <QFile>
#include <optional>

#include "files/LimitedRead.h"
#include "platform/UiServices.h"
#include "platform/qt/QtText.h"
#include "ui/main/Form1.h"
#include "worksheet/RecoveryFormat.h"

namespace tesmoran {
namespace {

constexpr TextView kTitle = U"Tesmoran";

// The damaged file is moved aside; an older one there makes room.
QString MoveAside(const QString& path) {
  const QString aside = path + QStringLiteral(".beschaedigt");
  QFile::remove(aside);
  if (QFile::rename(path, aside)) return aside;
  QFile::remove(path);
  return QString();
}

void Restore(Form1& form, const Worksheet& saved) {
  form.Run([&saved](Worksheet& ws, UiServices&) {
    ws.Text1 = saved.Text1;
    ws.Text2 = saved.Text2;
    ws.Liste3 = saved.Liste3;
    ws.Liste2.Assign(saved.Liste2.Texts());
    for (std::size_t i = 0; i < saved.Liste2.Count(); ++i) ws.Liste2.SetSelected(i, saved.Liste2.IsSelected(i));
    ws.Liste4 = saved.Liste4;
  });
}

}  // namespace

bool OfferRecovery(Form1& form, UiServices& ui, const QString& path) {
  if (path.isEmpty() || !QFile::exists(path)) return false;
  std::optional<Worksheet> saved;
  Text why = U"Die Datei kann nicht gelesen werden.";
  const LimitedRead read = ReadRegularFile(QFile::encodeName(path).toStdString());
  if (read.ok()) {
    saved = ReadRecovery(read.bytes, &why);
  } else if (read.failure != ReadFailure::kUnreadable) {
    why = U"Die Datei " + ReadFailurePredicate(read.failure) + U".";
  }
  if (!saved) {
    const QString aside = MoveAside(path);
    Text prompt = U"Die Sicherung der letzten Sitzung ist beschädigt und wird nicht verwendet.\r" + why;
    if (!aside.isEmpty()) prompt += U"\rSie liegt jetzt unter:\r" + FromQString(aside);
    ui.MessageBox(prompt, style::kOkExclamation, Text(kTitle));
    return false;
  }
  if (ui.MessageBox(Text(kRecoveryQuestion), style::kYesNoQuestion, Text(kTitle)) != kAnswerYes) {
    QFile::remove(path);
    return false;
  }
  Restore(form, *saved);
  return true;
}

}  // namespace tesmoran
