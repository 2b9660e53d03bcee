#include "Processus.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace irvad::test {

int dansUnEnfant(const std::function<int()>& corps, bool sansPrivileges) {
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    if (sansPrivileges && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(97);
    ::_exit(corps());
  }
  int etat = 0;
  if (::waitpid(pid, &etat, 0) != pid) return -1;
  return WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
}

DisquePlein::DisquePlein(rlim_t octets) {
  ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
  ::getrlimit(RLIMIT_FSIZE, &ancienne_);
  rlimit r = ancienne_;
  r.rlim_cur = octets;
  ok_ = ::setrlimit(RLIMIT_FSIZE, &r) == 0;
}

DisquePlein::~DisquePlein() {
  ::setrlimit(RLIMIT_FSIZE, &ancienne_);
  std::signal(SIGXFSZ, ancienSignal_);
}

}  // namespace irvad::test
