#pragma once
// What a test does to its own process: runs a piece in a child, to see what a
// signal or a limit does without touching the test itself, or to act as a
// user without privileges when the tests run as the superuser; and fills the
// disk for a while.
#include <sys/resource.h>

#include <functional>

namespace irvad::test {

// The exit status of `corps` run in a child, or 128 + the signal that ended
// it. With `sansPrivileges`, the child first becomes the user "nobody"
// (65534) when it runs as the superuser; 97 when that fails.
int dansUnEnfant(const std::function<int()>& corps, bool sansPrivileges = false);

// While it lives, no file of the process may grow beyond `octets`: a write
// past that fails as on a full disk, for the superuser too.
class DisquePlein {
 public:
  explicit DisquePlein(rlim_t octets);
  ~DisquePlein();
  DisquePlein(const DisquePlein&) = delete;
  DisquePlein& operator=(const DisquePlein&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit ancienne_{};
  void (*ancienSignal_)(int) = nullptr;
  bool ok_ = false;
};

}  // namespace irvad::test
