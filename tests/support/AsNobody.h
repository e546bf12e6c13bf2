// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// While it lives, this process acts as the user "nobody" when it runs as
// root (the real user stays root and takes it back), so that permissions
// hold for it as for any user.  Things nobody must reach need others' access.
#include <unistd.h>

#include <gtest/gtest.h>

namespace tesmoran::testing {

class AsNobody {
 public:
  AsNobody() {
    if (::geteuid() == 0) switched_ = ::seteuid(kNobody) == 0;
  }
  ~AsNobody() {
    if (switched_) {
      EXPECT_EQ(::seteuid(0), 0);
    }
  }
  AsNobody(const AsNobody&) = delete;
  AsNobody& operator=(const AsNobody&) = delete;
  // False when the process still has root's rights.
  bool Active() const { return ::geteuid() != 0; }

 private:
  static constexpr uid_t kNobody = 65534;
  bool switched_ = false;
};

}  // namespace tesmoran::testing
