// The full-text search over a packed manual against `grep -r -l -F -i` over the
// same pages extracted to a folder, measured in one process that takes turns:
// every round runs our search on one thread, then on two, then grep, for each
// word. Our side is the real thing: OpenPack, the index read and parsed, and
// SearchPages reading every page through TryLoadPackFile.
//
// usage: search_bench ARCHIVE DIR WORD... [--rounds R]
//        search_bench ARCHIVE --once WORD [--limit N]
// WORD is UTF-8 (recoded to Windows-1251, as the search window's text is).
// Prints per word the pages found by each side, best and median seconds of
// each side, our best over grep's best, and the stop latency: the time from
// the after-line hook asking to stop to SearchPages returning, worst of several
// stops with two threads. grep runs with LC_ALL=C, so it reads bytes as they are.
// --once runs one search on one thread over the last N index lines (all by
// default) and prints the bytes read: for counting instructions per byte.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "shell/FullTextSearch.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using remont::RIndexEntry;

double Since(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

struct Times {
  std::vector<double> s;
  double Best() const { return *std::min_element(s.begin(), s.end()); }
  double Median() const {
    std::vector<double> v = s;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
  }
};

std::atomic<unsigned long long> g_bytes{0};

remont::RSearchHooks Hooks() {
  remont::RSearchHooks h;
  h.read_page = [](const std::string& page, std::string& bytes) {
    const bool ok = remont::TryLoadPackFile(bytes, page);
    g_bytes += bytes.size();
    return ok;
  };
  h.missing = [](const std::string& page) { std::fprintf(stderr, "missing page %s\n", page.c_str()); };
  h.after_line = [](int) { return true; };
  return h;
}

std::vector<std::string> Search(const std::vector<RIndexEntry>& index, const std::string& query, int threads) {
  return remont::SearchPages(index, query, Hooks(), threads);
}

// grep -r -l -F -i -- WORD DIR with LC_ALL=C; the number of files it lists.
long Grep(const std::string& word, const std::string& dir) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<std::string> env = {"LC_ALL=C"};
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "LC_", 3) != 0 && std::strncmp(*e, "LANG", 4) != 0) env.emplace_back(*e);
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string args[] = {"grep", "-r", "-l", "-F", "-i", "--", word, dir};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  const int rc = posix_spawnp(&pid, "grep", &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (rc != 0) {
    close(out[0]);
    return -1;
  }
  long lines = 0;
  char buf[65536];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) lines += std::count(buf, buf + n, '\n');
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  // grep's status 1 means "nothing found", which is an answer too.
  return WIFEXITED(status) && WEXITSTATUS(status) <= 1 ? lines : -1;
}

// Seconds from the hook's "stop" to SearchPages returning, worst of the stops.
double StopLatency(const std::vector<RIndexEntry>& index, const std::string& query) {
  double worst = 0;
  for (const double share : {0.1, 0.5, 0.9}) {
    const int stop_at = std::max(1, static_cast<int>(static_cast<double>(index.size()) * share));
    remont::RSearchHooks h = Hooks();
    Clock::time_point asked;
    h.after_line = [&](int done) {
      if (done < stop_at) return true;
      asked = Clock::now();
      return false;
    };
    remont::SearchPages(index, query, h, 2);
    worst = std::max(worst, Since(asked));
  }
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words;
  std::string archive;
  std::string dir;
  bool once = false;
  int rounds = 5;
  size_t limit = SIZE_MAX;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--once") once = true;
    else if (a == "--rounds" && i + 1 < argc) rounds = std::max(1, std::atoi(argv[++i]));
    else if (a == "--limit" && i + 1 < argc) limit = std::strtoull(argv[++i], nullptr, 10);
    else if (archive.empty()) archive = a;
    else if (dir.empty() && !once) dir = a;
    else words.push_back(a);
  }
  if (archive.empty() || words.empty() || (!once && dir.empty())) {
    std::fprintf(stderr, "usage: search_bench ARCHIVE DIR WORD... [--rounds R]\n"
                         "       search_bench ARCHIVE --once WORD [--limit N]\n");
    return 2;
  }
  if (!remont::OpenPack(archive)) {
    std::fprintf(stderr, "search_bench: cannot open %s\n", archive.c_str());
    return 1;
  }
  std::string index_bytes;
  if (!remont::TryLoadPackFile(index_bytes, "file.ind")) {
    std::fprintf(stderr, "search_bench: no file.ind in %s\n", archive.c_str());
    return 1;
  }
  std::vector<RIndexEntry> index = remont::ParseIndex(index_bytes);
  if (index.size() > limit) index.erase(index.begin(), index.end() - static_cast<std::ptrdiff_t>(limit));

  if (once) {
    const auto found = Search(index, remont::LowerCase(remont::Utf8ToCp1251(words[0])), 1);
    std::printf("pages %zu\nbytes %llu\nfound %zu\n", index.size(), g_bytes.load(), found.size());
    return 0;
  }

  bool agree = true;
  for (const std::string& word : words) {
    const std::string cp = remont::Utf8ToCp1251(word);
    const std::string query = remont::LowerCase(cp);
    // Warm-up: the page cache for both sides, and the answers compared.
    g_bytes = 0;
    const auto one = Search(index, query, 1);
    const unsigned long long bytes = g_bytes;
    const auto two = Search(index, query, 2);
    const long grep_files = Grep(cp, dir);
    Times t1, t2, tg;
    for (int r = 0; r < rounds; ++r) {
      auto t0 = Clock::now();
      if (Search(index, query, 1).size() != one.size()) agree = false;
      t1.s.push_back(Since(t0));
      t0 = Clock::now();
      if (Search(index, query, 2) != one) agree = false;
      t2.s.push_back(Since(t0));
      t0 = Clock::now();
      if (Grep(cp, dir) != grep_files) agree = false;
      tg.s.push_back(Since(t0));
    }
    if (two != one || grep_files != static_cast<long>(one.size())) agree = false;
    std::printf("word %s: %zu pages, %.1f MB read; our search finds %zu pages, grep lists %ld files\n", word.c_str(),
                index.size(), static_cast<double>(bytes) / 1e6, one.size(), grep_files);
    std::printf("  %-28s best %.3f s  median %.3f s\n", "grep -r -l -F -i", tg.Best(), tg.Median());
    std::printf("  %-28s best %.3f s  median %.3f s  = %.2fx grep (median %.2fx)\n", "SearchPages, 1 thread", t1.Best(),
                t1.Median(), t1.Best() / tg.Best(), t1.Median() / tg.Median());
    std::printf("  %-28s best %.3f s  median %.3f s  = %.2fx grep (median %.2fx)\n", "SearchPages, 2 threads",
                t2.Best(), t2.Median(), t2.Best() / tg.Best(), t2.Median() / tg.Median());
    std::printf("  stop latency (2 threads, worst of 3 stops): %.2f ms\n", StopLatency(index, query) * 1e3);
  }
  if (!agree) {
    std::printf("MISMATCH: the sides or the runs disagree on what was found\n");
    return 1;
  }
  return 0;
}
