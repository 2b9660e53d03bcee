#pragma once
// The end of a start-up measure: prints the milliseconds since the launch
// (the monotonic nanoseconds its launcher gave in IRVAD_LANCEMENT_NS, 0 when
// missing) and leaves at once. `irvad --premier-affichage` and the bare
// window bench_demarrage compares it with call it at their first painting,
// so that both are measured alike.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace irvad {

[[noreturn]] inline void signalerPremierAffichage() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  const long long maintenant = static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
  const long long lancement = std::atoll(qgetenv("IRVAD_LANCEMENT_NS").constData());
  std::printf("%.3f\n", lancement > 0 ? static_cast<double>(maintenant - lancement) / 1e6 : 0.0);
  std::fflush(stdout);
  std::_Exit(0);
}

}  // namespace irvad
