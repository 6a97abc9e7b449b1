#include "shell/FullTextSearch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "shell/ByteSearch.h"
#include "shell/LegHtmlParser.h"

namespace remont {

std::vector<RIndexEntry> ParseIndex(std::string_view bytes) {
  std::vector<RIndexEntry> index;
  for (const std::string& line : SplitLines(std::string(bytes))) {
    const auto cut = line.find("#:#");
    if (cut == std::string::npos) index.push_back({line, {}});
    else index.push_back({line.substr(0, cut), line.substr(cut + 3)});
  }
  return index;
}

std::string CollapseSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '\r' || c == '\n') continue;
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out.push_back(c);
  }
  return out;
}

namespace {

// The match of one text piece, as CollapseSpaces(LowerCase(piece)) holding the
// query, without making either string: the piece is searched for the bytes that
// lower-case to the query's first character, and at each the rest of the query
// is compared lower-casing as it goes, skipping CR and LF and the spaces that
// follow a space.
class TQueryMatch {
 public:
  explicit TQueryMatch(std::string_view lower_query) : query_(lower_query) {
    for (int c = 0; c < 256; ++c) lower_[c] = static_cast<char>(LowerChar(static_cast<char>(c)));
    // Collapsed text holds no CR, no LF and no two spaces in a row.
    never_ = query_.find_first_of("\r\n") != std::string::npos || query_.find("  ") != std::string::npos;
    if (query_.empty()) return;
    for (int c = 0; c < 256; ++c)
      if (lower_[c] == query_[0]) firsts_.push_back(static_cast<char>(c));
  }

  bool In(std::string_view piece) const {
    if (never_) return false;
    if (query_.empty()) return true;
    const char* const begin = piece.data();
    const char* const end = begin + piece.size();
    for (const char* at = begin; (at = NextFirst(at, end)) != end; ++at) {
      // A space after a space (CR and LF aside) is collapsed into the one before it.
      if (*at == ' ' && PreviousIsSpace(begin, at)) continue;
      switch (MatchAt(at, end)) {
        case EMatch::Yes: return true;
        case EMatch::No: break;
        case EMatch::NoRoom: return false;  // the piece ends before the query would
      }
    }
    return false;
  }

 private:
  enum class EMatch { Yes, No, NoRoom };

  const char* NextFirst(const char* at, const char* end) const {
    switch (firsts_.size()) {
      case 1: return FindFirstOf(at, end, firsts_[0]);
      case 2: return FindFirstOf(at, end, firsts_[0], firsts_[1]);
      case 3: return FindFirstOf(at, end, firsts_[0], firsts_[1], firsts_[2]);
      default:
        for (; at < end; ++at)
          if (lower_[static_cast<unsigned char>(*at)] == query_[0]) return at;
        return end;
    }
  }

  static bool PreviousIsSpace(const char* begin, const char* at) {
    while (at > begin) {
      const char c = *--at;
      if (c != '\r' && c != '\n') return c == ' ';
    }
    return false;
  }

  // The query's first character matches at `at`; the rest is compared here.
  EMatch MatchAt(const char* at, const char* end) const {
    bool space = query_[0] == ' ';
    const char* p = at + 1;
    for (size_t k = 1; k < query_.size(); ++p) {
      if (p == end) return EMatch::NoRoom;
      const char c = *p;
      if (c == '\r' || c == '\n') continue;
      if (c == ' ' && space) continue;
      if (lower_[static_cast<unsigned char>(c)] != query_[k]) return EMatch::No;
      space = c == ' ';
      ++k;
    }
    return EMatch::Yes;
  }

  std::string query_;
  std::array<char, 256> lower_{};
  std::vector<char> firsts_;  // the bytes that lower-case to the query's first character
  bool never_ = false;
};

bool PageHolds(std::string_view page_bytes, const TQueryMatch& match) {
  bool found = false;
  TLegHtmlParser scanner;
  scanner.SetNormalize(true);
  scanner.OnText = [&](TLegHtmlParser& sender, const std::string& token) {
    if (match.In(token)) {
      found = true;
      sender.StopParse();
    }
  };
  scanner.LoadBytes(page_bytes);
  scanner.Parse();
  return found;
}

}  // namespace

bool PageHoldsText(std::string_view page_bytes, const std::string& lower_query) {
  return PageHolds(page_bytes, TQueryMatch(lower_query));
}

namespace {

enum class EPage : unsigned char { Pending, Missing, Holds, Lacks };

// What one line of the index gives, in the order the lines are walked.
EPage Scan(const RIndexEntry& entry, const TQueryMatch& match, const RSearchHooks& hooks) {
  std::string bytes;
  if (!hooks.read_page(entry.page, bytes)) return EPage::Missing;
  return PageHolds(bytes, match) ? EPage::Holds : EPage::Lacks;
}

// Pages scanned ahead: lines are claimed in walk order by the worker threads
// and by the caller, which scans the next unclaimed line itself while the
// verdict it needs is still being made, and waits only when none is left. The
// caller takes the verdicts in order and may stop at any line, after which the
// workers start nothing new.
class TScanAhead {
 public:
  TScanAhead(const std::vector<RIndexEntry>& index, const TQueryMatch& match, const RSearchHooks& hooks, int workers)
      : index_(index), match_(match), hooks_(hooks), verdicts_(new std::atomic<EPage>[index.size()]) {
    for (size_t k = 0; k < index.size(); ++k) verdicts_[k].store(EPage::Pending, std::memory_order_relaxed);
    for (int t = 0; t < workers; ++t) workers_.emplace_back([this] { Work(); });
  }
  ~TScanAhead() {
    stop_ = true;
    for (std::thread& w : workers_) w.join();
  }

  // The verdict of walk step k (line index_.size() - 1 - k).
  EPage Take(size_t k) {
    for (;;) {
      if (const EPage v = verdicts_[k].load(std::memory_order_acquire); v != EPage::Pending) return v;
      if (!ScanNext()) break;
    }
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return verdicts_[k].load(std::memory_order_acquire) != EPage::Pending; });
    return verdicts_[k].load(std::memory_order_acquire);
  }

 private:
  void Work() {
    while (!stop_ && ScanNext()) {
    }
  }

  // Claims the next line in walk order and scans it; false when none is left.
  bool ScanNext() {
    const size_t k = next_.fetch_add(1);
    if (k >= index_.size()) return false;
    verdicts_[k].store(Scan(index_[index_.size() - 1 - k], match_, hooks_), std::memory_order_release);
    // Under the lock, so that a caller between its test and its wait is woken.
    { std::lock_guard lock(mutex_); }
    done_.notify_all();
    return true;
  }

  const std::vector<RIndexEntry>& index_;
  const TQueryMatch& match_;
  const RSearchHooks& hooks_;
  std::unique_ptr<std::atomic<EPage>[]> verdicts_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable done_;
  std::vector<std::thread> workers_;
};

}  // namespace

std::vector<std::string> SearchPages(const std::vector<RIndexEntry>& index, const std::string& lower_query,
                                     const RSearchHooks& hooks, int threads) {
  const TQueryMatch match(lower_query);
  std::vector<std::string> results;
  std::unordered_set<std::string> seen;  // lower-cased result lines
  std::unique_ptr<TScanAhead> ahead;
  // The caller scans too: threads - 1 workers beside it.
  if (threads > 1 && index.size() > 1) ahead = std::make_unique<TScanAhead>(index, match, hooks, threads - 1);
  for (size_t k = 0; k < index.size(); ++k) {
    const RIndexEntry& entry = index[index.size() - 1 - k];
    const EPage verdict = ahead ? ahead->Take(k) : Scan(entry, match, hooks);
    if (verdict == EPage::Missing) {
      if (hooks.missing) hooks.missing(entry.page);
    } else if (verdict == EPage::Holds) {
      std::string line = entry.title + "=" + entry.page;
      if (seen.insert(LowerCase(line)).second) results.push_back(std::move(line));
    }
    if (hooks.after_line && !hooks.after_line(static_cast<int>(k) + 1)) break;
  }
  return results;
}

namespace {

std::string SortKey(const std::string& line) {
  std::string key = LowerCase(line);
  for (char& c : key)
    if (static_cast<unsigned char>(c) == 0xB8) c = static_cast<char>(0xE5);  // ё sorts as е
  return key;
}

}  // namespace

void SortResults(std::vector<std::string>& lines) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(lines.size());
  for (std::string& l : lines) keyed.emplace_back(SortKey(l), std::move(l));
  std::sort(keyed.begin(), keyed.end());
  lines.clear();
  for (auto& [key, line] : keyed) lines.push_back(std::move(line));
}

}  // namespace remont
