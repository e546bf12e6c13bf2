// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet's PDF file read back with the poppler tools: paper, fonts,
// whole words, page breaks and line pitch, the answer key and colours on the
// rendered page.
#include <QTemporaryDir>
#include <QtTest>

#include "../printsheet/FakeSheetTools.h"
#include "printsheet/qt/SheetFonts.h"
#include "printsheet/qt/SheetPdf.h"
#include "sheet_pdf_tools.h"

using namespace tesmoran;
using namespace tesmoran::testing;

namespace {

SheetSettings Bare() {
  SheetSettings s;
  s.nameAndDate = false;
  return s;
}

const TableSyllabifier kSyllables({{U"Oma", {1}}, {U"Abend", {1}}, {U"Abend.", {1}}, {U"liest", {}}});

// A text of about `words` words in paper lines of twelve words.
Text LongText(int words) {
  const Text pool[] = {U"Der", U"kleine", U"Hund", U"läuft", U"schnell", U"über", U"die", U"grüne", U"Wiese."};
  Text t;
  for (int i = 0; i < words; ++i) t += pool[i % 9] + ((i + 1) % 12 == 0 ? U"\r\n" : U" ");
  return t;
}

// Two words of one row overlap when their boxes share a stretch of x.
bool SameRowOverlap(const WordBox& a, const WordBox& b) {
  const double slack = 0.5;
  return a.page == b.page && qAbs(a.y2 - b.y2) < 1 && a.x1 < b.x2 - slack && b.x1 < a.x2 - slack;
}

// The ink runs along one pixel row: 'b' blue, 'r' red, one letter per run.
QString ColourRuns(const QImage& image, int y) {
  QString runs;
  for (int x = 0; x < image.width(); ++x) {
    const QColor c = image.pixelColor(x, y);
    char kind = 0;
    if (c.blue() > c.red() + 80) kind = 'b';
    if (c.red() > c.blue() + 80) kind = 'r';
    if (kind && (runs.isEmpty() || runs.back() != QChar(kind))) runs += QChar(kind);
  }
  return runs;
}

}  // namespace

class TestSheetPdf : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  QString Write(const char* name, const Text& solution, const SheetSettings& s, const Text& original = Text()) {
    const QString path = dir_.filePath(QString::fromLatin1(name));
    const WriteResult r = WriteSheetPdf(SheetInput{solution, original}, s, &kSyllables, path.toStdString());
    if (!r.ok) qWarning("write failed");
    return path;
  }

 private Q_SLOTS:
  // TESMORAN_KEEP_TEST_FILES=1 keeps the PDF files for a look at them.
  void initTestCase() {
    dir_.setAutoRemove(qEnvironmentVariableIsEmpty("TESMORAN_KEEP_TEST_FILES"));
    if (!dir_.autoRemove()) qInfo("files in %s", qPrintable(dir_.path()));
  }

  void paperSizeInPoints_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("size");
    QTest::newRow("A4") << int(PaperSize::kA4) << "595 x 842";
    QTest::newRow("Letter") << int(PaperSize::kLetter) << "612 x 792";
  }
  void paperSizeInPoints() {
    QFETCH(int, paper);
    QFETCH(QString, size);
    SheetSettings s = Bare();
    s.paper = PaperSize(paper);
    const QString info = RunTool("pdfinfo", {Write("paper.pdf", U"Oma", s)});
    const auto m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
    QVERIFY2(m.hasMatch(), qPrintable(info));
    QCOMPARE(QStringLiteral("%1 x %2").arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble())),
             size);
  }

  void everyFontIsEmbedded() {
    SheetSettings s;
    s.title = U"Im Zoo";
    const QString fonts = RunTool("pdffonts", {Write("fonts.pdf", U"Oma liest.", s)});
    const QStringList lines = fonts.split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY2(!lines.isEmpty(), qPrintable(fonts));
    for (const QString& line : lines) {
      const QStringList cols = line.simplified().split(' ');
      QVERIFY2(cols.size() >= 5 && cols[cols.size() - 5] == "yes", qPrintable(line));
    }
    QVERIFY2(fonts.contains("Andika"), qPrintable(fonts));
  }

  void wordsComeBackWhole_data() {
    QTest::addColumn<int>("marks");
    QTest::addColumn<int>("letterSpacing");
    QTest::newRow("no marks") << int(SyllableMarks::kNone) << 5;
    QTest::newRow("colours") << int(SyllableMarks::kColours) << 5;
    QTest::newRow("arcs") << int(SyllableMarks::kArcs) << 5;
    QTest::newRow("colours, widest letter spacing") << int(SyllableMarks::kColours) << 30;
  }
  void wordsComeBackWhole() {
    QFETCH(int, marks);
    QFETCH(int, letterSpacing);
    SheetSettings s = Bare();
    s.syllableMarks = SyllableMarks(marks);
    s.letterSpacing = letterSpacing;
    const QString text = PdfText(Write("whole.pdf", U"Oma liest am Abend.", s)).simplified();
    QCOMPARE(text, QStringLiteral("Oma liest am Abend. Seite 1 von 1"));
  }

  void gapMarksStaySeparateUnderscores() {
    const QString pdf = Write("gaps.pdf", U"H___d", Bare());
    QCOMPARE(PdfText(pdf).simplified(), QStringLiteral("H___d Seite 1 von 1"));
    // The three marks are three short lines with paper between them.
    const QImage page = PdfPageImage(pdf, 1, 144);
    int best = 0;
    for (int y = 0; y < page.height() / 4; ++y) {
      int segments = 0;
      bool inInk = false;
      for (int x = 0; x < page.width() / 2; ++x) {
        const bool ink = qGray(page.pixel(x, y)) < 128;
        if (ink && !inInk) ++segments;
        inInk = ink;
      }
      if (segments == 3) best = 3;
    }
    QCOMPARE(best, 3);
  }

  void aLongTextFillsPagesWithoutOverlap() {
    const QString pdf = Write("long.pdf", LongText(700), Bare());
    QVERIFY(PdfPages(pdf) >= 3);
    const auto boxes = PdfWordBoxes(pdf);
    QVERIFY(boxes.size() > 700);
    std::map<std::pair<int, int>, int> rowsAtBaseline;  // (page, baseline) -> words
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      QVERIFY(boxes[i].x1 >= 56 && boxes[i].x2 <= 595.3 - 56 && boxes[i].y1 >= 0 && boxes[i].y2 <= 841.9);
      for (std::size_t j = i + 1; j < boxes.size() && boxes[j].page == boxes[i].page; ++j) {
        QVERIFY2(!SameRowOverlap(boxes[i], boxes[j]), qPrintable(boxes[i].word + " / " + boxes[j].word));
      }
      ++rowsAtBaseline[{boxes[i].page, qRound(boxes[i].y2)}];
    }
    // Rows of one page lie one line pitch apart, 16 pt at 150 %; the last row
    // of a page is its number.
    for (auto it = rowsAtBaseline.begin(); std::next(it) != rowsAtBaseline.end(); ++it) {
      const auto next = std::next(it), after = std::next(next);
      if (after == rowsAtBaseline.end() || after->first.first != it->first.first) continue;
      QVERIFY2(qAbs(next->first.second - it->first.second - 24) <= 1, qPrintable(QString::number(it->first.second)));
    }
  }

  void theAnswerKeyStartsOnANewPage() {
    SheetSettings s = Bare();
    s.answerKey = true;
    const QString pdf = Write("key.pdf", U"O_a l_e_t.", s, U"Oma liest.");
    QCOMPARE(PdfPages(pdf), 2);
    QVERIFY(!PdfText(pdf, 1).contains("Lösung"));
    QCOMPARE(PdfText(pdf, 2).simplified(), QStringLiteral("Lösung Oma liest. Seite 2 von 2"));
  }

  void syllableColoursAlternateAndStartAgainAtEachWord() {
    SheetSettings s = Bare();
    s.syllableMarks = SyllableMarks::kColours;
    s.fontSize = 32;
    const QImage page = PdfPageImage(Write("colours.pdf", U"Abend Abend", s), 1, 72);
    QString longest;
    for (int y = 0; y < page.height() / 4; ++y) {
      const QString runs = ColourRuns(page, y);
      if (runs.size() > longest.size()) longest = runs;
    }
    QCOMPARE(longest, QStringLiteral("brbr"));
  }

  void aMissingFamilyFallsBackToTheDefault() {
    QCOMPARE(ResolveFontFamily(U"Keine Solche Schrift"), QStringLiteral("Andika"));
    QCOMPARE(ResolveFontFamily(U"DejaVu Sans"), QStringLiteral("DejaVu Sans"));
  }
};

QTEST_MAIN(TestSheetPdf)
#include "sheet_pdf_test.moc"
