#include "Enfant.h"

#include <sys/wait.h>
#include <unistd.h>

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

}  // namespace irvad::test
