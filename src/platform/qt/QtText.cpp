// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtText.h"

#include <QList>

namespace tesmoran {

Text FromQString(const QString& s) {
  const QList<uint> ucs4 = s.normalized(QString::NormalizationForm_C).toUcs4();
  Text out;
  out.reserve(static_cast<std::size_t>(ucs4.size()));
  for (uint c : ucs4) out.push_back(static_cast<Char>(c));
  return out;
}

QString ToQString(TextView text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

Text FromField(const QString& s) {
  const Text raw = FromQString(s);
  Text out;
  out.reserve(raw.size() + raw.size() / 32);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const Char c = raw[i];
    if (c == 0x2028 || c == 0x2029 || (c == kLF && (i == 0 || raw[i - 1] != kCR))) {
      out.append(kCrLf);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

QString ToField(TextView text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kCR && i + 1 < text.size() && text[i + 1] == kLF) {
      out.push_back(kLF);
      ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return ToQString(out);
}

}  // namespace tesmoran
