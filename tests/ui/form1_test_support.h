// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the window tests: finding controls, showing windows,
// typing into the text fields, clicking list entries, reading the fields as
// the program does, and scratch files.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

#include "QtTestSupport.h"
#include "platform/qt/QtText.h"
#include "ui/main/Form1.h"
#include "ui/main/TextFieldBinding.h"

namespace tesmoran::testing {

// A control of a window by name; the window's own ones come first (the main
// window holds the file window, whose controls have the same names).
template <class T>
T* Child(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
  if (!child) child = window.findChild<T*>(QLatin1String(name));
  if (!child) qFatal("no control %s", name);
  return child;
}
inline QPlainTextEdit* Field(const QWidget& w, const char* name) { return Child<QPlainTextEdit>(w, name); }
inline QListWidget* List(const QWidget& w, const char* name) { return Child<QListWidget>(w, name); }
inline void Click(const QWidget& w, const char* name) { Child<QAbstractButton>(w, name)->click(); }
inline int Px(int units) { return qRound(units / 15.0); }
// A point of a control in the coordinates of its window, where the window
// system delivers the mouse.
inline QPoint InWindow(const QWidget& control, QPoint at) { return control.mapTo(control.window(), at); }

// Shows a window and tells whether it got the keyboard.
inline bool ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  return QTest::qWaitForWindowActive(&window);
}

// A file's bytes, none when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a whole file, or ends the run; gives back its path.
inline QString WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
  return path;
}

// An entry of one of the window's menus, by its text.
inline QAction* MenuEntry(const QWidget& window, const QString& text) {
  for (QAction* menu : window.findChild<QMenuBar*>()->actions()) {
    for (QAction* action : menu->menu() ? menu->menu()->actions() : QList<QAction*>()) {
      if (action->text() == text) return action;
    }
  }
  qFatal("no entry %s", qPrintable(text));
}

// What the program reads from a field.
inline Text FieldText(const QWidget& w, const char* name) { return ReadFieldText(*Field(w, name)); }

// Puts a text into a field the way a paste by the user does.
inline void PasteInto(const QWidget& w, const char* name, const QString& text) {
  QPlainTextEdit* field = Field(w, name);
  field->selectAll();
  field->insertPlainText(text);
}

// Marks field positions [from, to) of a field.
inline void MarkFieldPositions(const QWidget& w, const char* name, int from, int to) {
  QPlainTextEdit* field = Field(w, name);
  QTextCursor cursor(field->document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  field->setTextCursor(cursor);
}

// A mouse click on an entry of a list, as the user makes it.
inline void ClickRow(QListWidget* list, QListWidgetItem* item, bool twice = false) {
  const QPoint at = list->visualItemRect(item).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

inline QList<int> SelectedRows(const QListWidget* list) {
  QList<int> rows;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) rows << i;
  }
  return rows;
}

inline QStringList Entries(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

// The main window with scripted boxes.
struct Window {
  Window() { form.SetUiServices(&ui); }
  Form1 form;
  ScriptedUi ui;
};

}  // namespace tesmoran::testing

// Lets QCOMPARE show texts of the program readably.
namespace QTest {
template <>
inline char* toString(const tesmoran::Text& text) {
  return qstrdup(tesmoran::ToQString(text).toUtf8().toPercentEncoding(" äöüÄÖÜß.,:;!?-_'<>=()").constData());
}
}  // namespace QTest

Q_DECLARE_METATYPE(tesmoran::Text)
