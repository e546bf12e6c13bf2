// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window: the program's name as a coloured title, the usage
// notice, the program's notice and a closing line.  "O k a y" or the
// picture hides it.  Not modal; made once, placed once, afterwards only
// hidden and shown.
#include <QString>
#include <QWidget>

namespace tesmoran {

class TSMLABEL : public QWidget {
  Q_OBJECT
 public:
  explicit TSMLABEL(QWidget* parent = nullptr);

  // Shows the window, not modal, where it was last put.
  void ShowAbout();

  // The two notices, each two lines joined by CR LF.
  static QString UsageNotice();
  static QString ProgramNotice();
  // The line under the notices.
  static QString AddressLine();

 protected:
  // A click on "O k a y" or on the picture hides the window.
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tesmoran
