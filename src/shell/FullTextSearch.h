// The full-text search over the pages of the search index, without a window:
// the search window and `remont-tool search` run this same code.
//
// Index file (file.ind, Windows-1251): one page per line, the page name, then
// "#:#", then the page title; a line without "#:#" is a page with an empty
// title. Lines end at CR LF, LF or CR.
//
// A page matches when one text piece of it (text between two tags, trimmed,
// entities decoded by the HTML text scanner), lower-cased with the Windows-1251
// table, with its line breaks removed and its runs of spaces made one, holds
// the query (lower-cased the same way). A phrase split by a tag is not found;
// a non-breaking space (&nbsp;, character 160) is not a space.
//
// SearchPages walks the index from its last line to its first and gives the
// result lines "title=page" in the order found, none twice (letter case
// aside). SortResults puts them in the order the results list shows them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace remont {

struct RIndexEntry {
  std::string page;
  std::string title;
};

std::vector<RIndexEntry> ParseIndex(std::string_view bytes);

// The text without CR and LF, every run of spaces one space.
std::string CollapseSpaces(std::string_view text);

// Whether a page's bytes hold the query (already lower-cased); the scan stops
// at the first text piece that holds it.
bool PageHoldsText(std::string_view page_bytes, const std::string& lower_query);

struct RSearchHooks {
  // Reads a page without any message; false when neither the archive nor the
  // folder holds it. May be called from several threads at once.
  std::function<bool(const std::string& page, std::string& bytes)> read_page;
  // A page that could not be read (the viewer shows the archive's message);
  // called in index order, on the calling thread.
  std::function<void(const std::string& page)> missing;
  // After each index line, with the number of lines done; false stops the
  // search there (the results so far are kept). Called on the calling thread.
  std::function<bool(int done)> after_line;
};

// The search over every page of the index; see above. threads > 1 scans pages
// ahead on threads - 1 worker threads and on the calling thread while it waits
// for the next verdict; the results, their order, the missing pages and the
// line at which a stop takes effect are those of a search on one thread. A stop
// returns once the pages being scanned are done.
std::vector<std::string> SearchPages(const std::vector<RIndexEntry>& index, const std::string& lower_query,
                                     const RSearchHooks& hooks, int threads = 1);

// The results list's order: case-insensitive (Windows-1251 lower-casing, "ё"
// as "е") by byte order of the lower-cased text, ties by the lines' own bytes.
void SortResults(std::vector<std::string>& lines);

}  // namespace remont
