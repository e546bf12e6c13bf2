#pragma once
// Shared pieces of the main-window tests: finding controls, typing into the
// text fields and reading them the way the program reads them.
#include <QAbstractButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include "platform/qt/QtText.h"
#include "ui/Form1.h"
#include "ui/TextFieldBinding.h"

namespace tesmoran::testing {

inline QPlainTextEdit* Field(const Form1& form, const char* name) {
  auto* field = form.Control<QPlainTextEdit>(name);
  if (!field) qFatal("no text field %s", name);
  return field;
}

inline QListWidget* List(const Form1& form, const char* name) {
  auto* list = form.Control<QListWidget>(name);
  if (!list) qFatal("no list %s", name);
  return list;
}

inline void Click(const Form1& form, const char* name) {
  auto* button = form.Control<QAbstractButton>(name);
  if (!button) qFatal("no button %s", name);
  button->click();
}

// What the program reads from a field.
inline Text FieldText(const Form1& form, const char* name) { return ReadFieldText(*Field(form, name)); }

// Puts a text into a field the way a paste by the user does.
inline void PasteInto(const Form1& form, const char* name, const QString& text) {
  QPlainTextEdit* field = Field(form, name);
  field->selectAll();
  field->insertPlainText(text);
}

// Marks field positions [from, to) of a field.
inline void MarkFieldPositions(const Form1& form, const char* name, int from, int to) {
  QPlainTextEdit* field = Field(form, name);
  QTextCursor cursor(field->document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  field->setTextCursor(cursor);
}

}  // namespace tesmoran::testing

// Lets QCOMPARE show texts of the program readably.
namespace QTest {
template <>
inline char* toString(const tesmoran::Text& text) {
  return qstrdup(tesmoran::ToQString(text).toUtf8().toPercentEncoding(" äöüÄÖÜß.,:;!?-_'<>=()").constData());
}
}  // namespace QTest

Q_DECLARE_METATYPE(tesmoran::Text)
