#include <QtTest>

#include "ui/Form1.h"

class TestPlaceholder : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void opensWithCaption() {
    tesmoran::Form1 w;
    QCOMPARE(w.windowTitle(), QStringLiteral("T E S M O R A N : Lösungstext ersetzen"));
  }
};

QTEST_MAIN(TestPlaceholder)
#include "test_placeholder.moc"
