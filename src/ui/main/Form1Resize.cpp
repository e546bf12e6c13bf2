// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Form1Resize.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/main/DragLabel.h"
#include "ui/main/Form1Layout.h"

namespace tesmoran {

namespace {

// The widths of the text fields and of the word list at the default size;
// extra width is shared in this proportion.
constexpr int kTextFieldWidthUnits = 7695;
constexpr int kWordListWidthUnits = 2295;
// The task list, when shown, reaches this far below the original text.
constexpr int kTaskListOverhangUnits = 2670 - 2535;

}  // namespace

QSize Form1DefaultArea() { return {ClientWidthPixels(), ClientHeightPixels()}; }

Form1Growth GrowthFor(QSize area) {
  const QSize home = Form1DefaultArea();
  const int wider = std::max(0, area.width() - home.width());
  const int taller = std::max(0, area.height() - home.height());
  Form1Growth growth;
  growth.textWidth = wider * kTextFieldWidthUnits / (kTextFieldWidthUnits + kWordListWidthUnits);
  growth.listWidth = wider - growth.textWidth;
  growth.upperHeight = taller / 2;
  growth.lowerHeight = taller - growth.upperHeight;
  return growth;
}

QRect TaskListOver(const QRect& field) {
  return {field.x(), field.y(), field.width(), field.height() + UnitsToPixels(kTaskListOverhangUnits)};
}

Form1Stretch::Form1Stretch(const Form1Controls& c) : originalText_(c.Text1), taskList_(c.Liste1) {
  const auto add = [this](QWidget* control, Share left, Share right, Share top, Share bottom) {
    rules_.push_back({control, control->geometry(), left, right, top, bottom});
  };
  // The original text group: the field grows, the label stays centred
  // between the two buttons, the right button stays at the field's right.
  add(c.Text1, kNone, kText, kNone, kUpper);
  add(c.Bezeichnung7, kHalfText, kHalfText, kNone, kNone);
  add(c.Befehl27, kText, kText, kNone, kNone);
  add(c.Figur2, kNone, kText, kNone, kUpper);
  // The solution text group moves down by the original text's growth.
  add(c.Befehl17, kNone, kNone, kUpper, kUpper);
  add(c.Bezeichnung2, kHalfText, kHalfText, kUpper, kUpper);
  add(c.Befehl22, kText, kText, kUpper, kUpper);
  add(c.Text2, kNone, kText, kUpper, kAllHeight);
  add(c.Figur3, kNone, kText, kUpper, kAllHeight);
  // The exercise grid stays under the solution text at the left; its frame
  // keeps the width of the text groups' frames.
  for (const ExerciseButton& exercise : c.exercises) add(exercise.button, kNone, kNone, kAllHeight, kAllHeight);
  add(c.Figur4, kNone, kText, kAllHeight, kAllHeight);
  // The word list takes the rest of the width and the whole extra height;
  // its buttons stay under it at its left edge.
  add(c.Bezeichnung1, kText, kAllWidth, kNone, kNone);
  add(c.Liste2, kText, kAllWidth, kNone, kAllHeight);
  add(c.Figur5, kText, kAllWidth, kNone, kAllHeight);
  for (QPushButton* b : {c.Befehl21, c.Befehl24, c.Befehl25, c.Befehl28, c.Befehl20, c.Befehl23, c.Befehl30}) {
    add(b, kText, kText, kAllHeight, kAllHeight);
  }
  // The icon column, its frame and the working-mode list beside it keep
  // their places at any size.
}

int Form1Stretch::Offset(Share share, const Form1Growth& growth) {
  switch (share) {
    case kNone: return 0;
    case kHalfText: return growth.textWidth / 2;
    case kText: return growth.textWidth;
    case kAllWidth: return growth.textWidth + growth.listWidth;
    case kUpper: return growth.upperHeight;
    case kAllHeight: return growth.upperHeight + growth.lowerHeight;
  }
  return 0;
}

void Form1Stretch::Apply(QSize area) const {
  const Form1Growth growth = GrowthFor(area);
  for (const Rule& rule : rules_) {
    QRect place = rule.home;
    place.setLeft(place.left() + Offset(rule.left, growth));
    place.setRight(place.right() + Offset(rule.right, growth));
    place.setTop(place.top() + Offset(rule.top, growth));
    place.setBottom(place.bottom() + Offset(rule.bottom, growth));
    rule.control->setGeometry(place);
  }
  taskList_->setGeometry(TaskListOver(originalText_->geometry()));
}

namespace {

// Places the controls whenever the area changes its size.
class StretchOnResize : public QObject {
 public:
  StretchOnResize(QWidget& area, const Form1Controls& controls) : QObject(&area), stretch_(controls) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) stretch_.Apply(static_cast<QWidget*>(watched)->size());
    return false;
  }

 private:
  Form1Stretch stretch_;
};

}  // namespace

void FrameForm1(QWidget& form, QWidget& area, QWidget& menuBar, const Form1Controls& controls) {
  area.setMinimumSize(Form1DefaultArea());
  area.installEventFilter(new StretchOnResize(area, controls));
  auto* column = new QVBoxLayout(&form);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->setMenuBar(&menuBar);
  column->addWidget(&area);
  column->activate();
  form.resize(form.minimumSize());
}

}  // namespace tesmoran
