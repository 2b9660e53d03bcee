// The game's start-up: from launching `irvad` to the first painting of its
// board, which the program measures itself with --premier-affichage (it is
// given the launch time and prints the milliseconds since), on the offscreen
// platform so that no screen is needed. Each run is a fresh process. A bare
// Qt window with a menu (fenetre_nue) is measured alike for comparison.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string dossier;

// The launch time given to the child, and what it prints back.
double unDemarrage(const std::string& programme, const std::vector<std::string>& environnement) {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  std::vector<std::string> env = environnement;
  env.push_back("IRVAD_LANCEMENT_NS=" +
                std::to_string(static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec));
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string option = "--premier-affichage";
  std::string chemin = programme;
  char* argv[] = {chemin.data(), option.data(), nullptr};
  int tube[2];
  if (::pipe(tube) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, tube[1], 1);
  posix_spawn_file_actions_addclose(&actions, tube[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 0x1 /* O_WRONLY */, 0);
  pid_t pid = 0;
  const int r = posix_spawn(&pid, chemin.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(tube[1]);
  std::string sortie;
  char tampon[64];
  for (ssize_t n; r == 0 && (n = ::read(tube[0], tampon, sizeof tampon)) > 0;) sortie.append(tampon, static_cast<std::size_t>(n));
  ::close(tube[0]);
  if (r != 0) return -1;
  int statut = 0;
  waitpid(pid, &statut, 0);
  if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0 || sortie.empty()) return -1;
  return std::atof(sortie.c_str()) / 1000.0;
}

void demarrage(benchmark::State& etat, const std::string& nom) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e)
    if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0) env.emplace_back(*e);
  env.emplace_back("QT_QPA_PLATFORM=offscreen");
  for (auto _ : etat) {
    const double s = unDemarrage(dossier + nom, env);
    if (s < 0) {
      etat.SkipWithError((nom + " n'a pas donné son temps").c_str());
      break;
    }
    etat.SetIterationTime(s);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The game beside this program, as the build puts every executable.
  const std::string moi(argv[0]);
  dossier = moi.substr(0, moi.find_last_of('/') + 1);
  benchmark::Initialize(&argc, argv);
  for (const char* nom : {"irvad", "fenetre_nue"})
    benchmark::RegisterBenchmark((std::string("premier_affichage/") + nom).c_str(), demarrage, std::string(nom))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
