#pragma once
// Runs a piece of a test in a child process: to see what a signal or a limit
// of the process does without touching the test itself, or to act as a user
// without privileges when the tests run as the superuser.
#include <functional>

namespace irvad::test {

// The exit status of `corps` run in a child, or 128 + the signal that ended
// it. With `sansPrivileges`, the child first becomes the user "nobody"
// (65534) when it runs as the superuser; 97 when that fails.
int dansUnEnfant(const std::function<int()>& corps, bool sansPrivileges = false);

}  // namespace irvad::test
