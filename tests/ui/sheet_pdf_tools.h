// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the printed sheet's PDF files back with the poppler tools, as a
// teacher's viewer would: page size, fonts, text, word boxes and pixels.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>


namespace tesmoran::testing {

// Standard output of a tool, or "<tool failed>".
inline QString RunTool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(tool);
  return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString PdfText(const QString& pdf, int page = 0) {
  QStringList args;
  if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
  return RunTool("pdftotext", args << pdf << "-");
}

inline int PdfPages(const QString& pdf) {
  const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// One word of `pdftotext -bbox`, in points.
struct WordBox {
  int page;
  double x1, y1, x2, y2;
  QString word;
};

inline std::vector<WordBox> PdfWordBoxes(const QString& pdf) {
  const QString html = RunTool("pdftotext", {"-bbox", pdf, "-"});
  std::vector<WordBox> boxes;
  int page = -1;
  const QRegularExpression wordRe(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
  for (const QString& line : html.split('\n')) {
    if (line.contains("<page ")) ++page;
    const auto m = wordRe.match(line);
    if (m.hasMatch()) {
      boxes.push_back(WordBox{page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                              m.captured(4).toDouble(), m.captured(5)});
    }
  }
  return boxes;
}

// Page `page` (1-based) rendered by pdftoppm at `dpi`.
inline QImage PdfPageImage(const QString& pdf, int page, int dpi) {
  const QString stem = pdf + QStringLiteral(".page");
  RunTool("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                       QString::number(page), "-singlefile", pdf, stem});
  return QImage(stem + ".png");
}

}  // namespace tesmoran::testing
