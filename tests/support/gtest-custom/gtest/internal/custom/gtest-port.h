#pragma once
// GoogleTest's port customisation for this build. The toolchain's C++ library (mingw-w64 with
// Win32 threads) has no std::mutex or std::condition_variable, which GoogleTest's Notification
// needs; Notification only serves GoogleTest's own tests of its threading, so a plain flag
// stands in for it.

#if defined(__MINGW32__) && !defined(_GLIBCXX_HAS_GTHREADS)
#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
  public:
    Notification() : notified_(false) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { notified_ = true; }
    void WaitForNotification() {
        while (!notified_) {
        }
    }

  private:
    volatile bool notified_;
};

} // namespace internal
} // namespace testing
#endif
