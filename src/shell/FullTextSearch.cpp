#include "shell/FullTextSearch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_set>

#include "common/Cp1251.h"
#include "common/Helpers.h"
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

bool PageHoldsText(std::string_view page_bytes, const std::string& lower_query) {
  bool found = false;
  TLegHtmlParser scanner;
  scanner.SetNormalize(true);
  scanner.OnText = [&](TLegHtmlParser& sender, const std::string& token) {
    if (CollapseSpaces(LowerCase(token)).find(lower_query) != std::string::npos) {
      found = true;
      sender.StopParse();
    }
  };
  scanner.LoadContent(page_bytes);
  scanner.Parse();
  return found;
}

namespace {

enum class EPage : unsigned char { Pending, Missing, Holds, Lacks };

// What one line of the index gives, in the order the lines are walked.
EPage Scan(const RIndexEntry& entry, const std::string& query, const RSearchHooks& hooks) {
  std::string bytes;
  if (!hooks.read_page(entry.page, bytes)) return EPage::Missing;
  return PageHoldsText(bytes, query) ? EPage::Holds : EPage::Lacks;
}

// Pages scanned ahead on worker threads; the caller takes the verdicts in
// order and may stop at any line, after which the workers start nothing new.
class TScanAhead {
 public:
  TScanAhead(const std::vector<RIndexEntry>& index, const std::string& query, const RSearchHooks& hooks, int threads)
      : index_(index), query_(query), hooks_(hooks), verdicts_(index.size(), EPage::Pending) {
    for (int t = 0; t < threads; ++t) workers_.emplace_back([this] { Work(); });
  }
  ~TScanAhead() {
    stop_ = true;
    for (std::thread& w : workers_) w.join();
  }

  // The verdict of walk step k (line index_.size() - 1 - k), waiting for it.
  EPage Take(size_t k) {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return verdicts_[k] != EPage::Pending; });
    return verdicts_[k];
  }

 private:
  void Work() {
    for (;;) {
      const size_t k = next_.fetch_add(1);
      if (stop_ || k >= index_.size()) return;
      const EPage verdict = Scan(index_[index_.size() - 1 - k], query_, hooks_);
      {
        std::lock_guard lock(mutex_);
        verdicts_[k] = verdict;
      }
      done_.notify_all();
    }
  }

  const std::vector<RIndexEntry>& index_;
  const std::string& query_;
  const RSearchHooks& hooks_;
  std::vector<EPage> verdicts_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable done_;
  std::vector<std::thread> workers_;
};

}  // namespace

std::vector<std::string> SearchPages(const std::vector<RIndexEntry>& index, const std::string& lower_query,
                                     const RSearchHooks& hooks, int threads) {
  std::vector<std::string> results;
  std::unordered_set<std::string> seen;  // lower-cased result lines
  std::unique_ptr<TScanAhead> ahead;
  if (threads > 1 && index.size() > 1) ahead = std::make_unique<TScanAhead>(index, lower_query, hooks, threads);
  for (size_t k = 0; k < index.size(); ++k) {
    const RIndexEntry& entry = index[index.size() - 1 - k];
    const EPage verdict = ahead ? ahead->Take(k) : Scan(entry, lower_query, hooks);
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
