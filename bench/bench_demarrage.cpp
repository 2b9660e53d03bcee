// The game's start-up: from launching `irvad` to the first painting of its
// board (the program quits right after it with --premier-affichage), on the
// offscreen platform so that no screen is needed. Each run is a fresh process.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string programme;

void demarrage(benchmark::State& etat) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e)
    if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0) env.emplace_back(*e);
  env.emplace_back("QT_QPA_PLATFORM=offscreen");
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string option = "--premier-affichage";
  char* argv[] = {programme.data(), option.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 0x1 /* O_WRONLY */, 0);
  for (auto _ : etat) {
    const auto debut = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, programme.c_str(), &actions, nullptr, argv, envp.data()) != 0) {
      etat.SkipWithError("irvad introuvable");
      break;
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    const auto fin = std::chrono::steady_clock::now();
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
      etat.SkipWithError("irvad a échoué");
      break;
    }
    etat.SetIterationTime(std::chrono::duration<double>(fin - debut).count());
  }
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

int main(int argc, char** argv) {
  // The game beside this program, as the build puts every executable.
  std::string moi(argv[0]);
  programme = moi.substr(0, moi.find_last_of('/') + 1) + "irvad";
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("premier_affichage", demarrage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
