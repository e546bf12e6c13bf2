// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window of which there is at most one: made on its first showing and
// afterwards only shown again.  When the window is gone (closed for good,
// or with its owner), the next showing makes a new one.
#include <QPointer>

namespace tesmoran {

template <class Window>
class OneWindow {
 public:
  // The window; `make` makes it (returning it, owned elsewhere) when there
  // is none.
  template <class Make>
  Window& Get(Make make) {
    if (!window_) window_ = make();
    return *window_;
  }

  // The window, or nullptr when there is none.
  Window* Existing() const { return window_; }

 private:
  QPointer<Window> window_;
};

}  // namespace tesmoran
