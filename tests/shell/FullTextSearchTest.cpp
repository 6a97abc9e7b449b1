#include "shell/FullTextSearch.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "archive/ArchiveBuilder.h"
#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "shell/LegHtmlParser.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace remont {
namespace {

using Texts = std::vector<std::string>;

TEST(SearchIndex, LinesPagesAndTitles) {
  const auto index = ParseIndex(Ru("a.htm#:#Тормоза=колодки\r\nb.htm\nc.htm#:##:#x\rd.htm#:#"));
  ASSERT_EQ(index.size(), 4u);
  EXPECT_EQ(index[0].page, "a.htm");
  EXPECT_EQ(index[0].title, Ru("Тормоза=колодки"));  // "=" stays in the title
  EXPECT_EQ(index[1].page, "b.htm");                  // no "#:#": a page without a title
  EXPECT_EQ(index[1].title, "");
  EXPECT_EQ(index[2].title, "#:#x");  // cut at the first "#:#"
  EXPECT_EQ(index[3].title, "");
  EXPECT_TRUE(ParseIndex("").empty());
}

TEST(SearchMatch, CollapseSpaces) {
  const std::pair<const char*, const char*> cases[] = {
      {"brake\r\npad", "brakepad"},   {"a   b", "a b"},       {"a \r\n b", "a b"},
      {"a\t\tb", "a\t\tb"},           {"  lead", " lead"},    {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CollapseSpaces(in), out) << in;
}

TEST(SearchMatch, WhatAPageHolds) {
  struct Case {
    const char* page;
    const char* query;  // UTF-8, lower case
    bool holds;
  };
  const Case cases[] = {
      {"<p>Замена <b>тормозных</b> колодок</p>", "тормозных", true},
      {"<p>Замена <b>тормозных</b> колодок</p>", "замена тормозных", false},  // split by a tag
      {"<p>brake\npad</p>", "brake pad", false},                               // the line break joins the words
      {"<p>brake\npad</p>", "brakepad", true},
      {"<p>brake&nbsp;pad</p>", "brake pad", false},  // a non-breaking space is no space
      {"<p>brake    pad</p>", "brake pad", true},
      {"<p>ЁМКОСТЬ бачка</p>", "ёмкость", true},  // Cyrillic folded, Ё included
      {"<p>ЕМКОСТЬ</p>", "ёмкость", false},       // but Ё is not Е
      {"<!-- колодки --><p>диски</p>", "колодки", false},  // comments are no text
      {"<title>Колодки</title><p>x</p>", "колодки", true},
      {"<p>a \r\n  b</p>", "a b", true},    // spaces on both sides of a break are one run
      {"<p>a   b</p>", " b", true},          // a query may start with a space
      {"<p>a   b</p>", "a  b", false},       // but two spaces in a row are never left
      {"<p>a\r\nb</p>", "a\r\nb", false},  // nor a line break
      {"<p>x</p>", "", true},                // the empty query is in every text
      {"<p> </p>", "", false},               // but a page without text holds nothing
      {"<p>ТОРМОЗ</p>", "тормоза", false},   // the page ends before the query does
  };
  for (const auto& c : cases) EXPECT_EQ(PageHoldsText(Ru(c.page), Ru(c.query)), c.holds) << c.page << " / " << c.query;
}

// The text pieces of a page, as the scanner hands them to the search.
Texts TextPieces(const std::string& page) {
  TLegHtmlParser scanner;
  Texts pieces;
  scanner.OnText = [&](TLegHtmlParser&, const std::string& t) { pieces.push_back(t); };
  scanner.LoadContent(page);
  scanner.Parse();
  return pieces;
}

TEST(SearchMatch, PageHoldsTextAsOnePieceLowerCasedAndCollapsedHoldsTheQuery) {
  // Few letters, so that queries often almost match: both cases of Latin and
  // Cyrillic letters (Ё too), spaces, breaks, tabs, an entity and a tag.
  const std::vector<std::string> alphabet = {"a", "A", Ru("с"), Ru("С"), Ru("ё"), Ru("Ё"), " ", " ", "  ",
                                             "\r\n", "\n", "\r", "\t", "x", "&nbsp;", "<b>"};
  const std::vector<std::string> query_alphabet = {"a", Ru("с"), Ru("ё"), " ", "x", "\t", "\xA0"};
  std::mt19937 random(2);
  int holds = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string page = "<p>";
    for (int k = static_cast<int>(random() % 24); k > 0; --k) page += alphabet[random() % alphabet.size()];
    std::string query;
    for (int k = static_cast<int>(random() % 4) + 1; k > 0; --k) query += query_alphabet[random() % query_alphabet.size()];
    bool expected = false;
    for (const std::string& piece : TextPieces(page))
      if (CollapseSpaces(LowerCase(piece)).find(query) != std::string::npos) expected = true;
    holds += expected;
    ASSERT_EQ(PageHoldsText(page, query), expected) << "page " << Cp1251ToUtf8(page) << " query [" << query << "]";
  }
  EXPECT_GT(holds, 300);  // both answers are well represented
  EXPECT_LT(holds, 2700);
}

// A manual in memory; pages missing from it are reported.
struct Manual {
  std::map<std::string, std::string> pages;
  Texts missing;
  int lines_done = 0;  // the last line the search reported done
  RSearchHooks Hooks(int stop_after = -1) {
    lines_done = 0;
    RSearchHooks h;
    h.read_page = [this](const std::string& page, std::string& bytes) {
      auto it = pages.find(page);
      if (it == pages.end()) return false;
      bytes = it->second;
      return true;
    };
    h.missing = [this](const std::string& page) { missing.push_back(page); };
    h.after_line = [this, stop_after](int done) {
      EXPECT_EQ(done, lines_done + 1);  // every line once, in order
      lines_done = done;
      return stop_after < 0 || done < stop_after;
    };
    return h;
  }
};

TEST(SearchPages, WalksTheIndexFromTheEndOncePerLineAndGoesOnPastMissingPages) {
  Manual m;
  m.pages["a.htm"] = "<p>brake disc</p>";
  m.pages["b.htm"] = "<p>BRAKE pads</p>";
  m.pages["c.htm"] = "<p>clutch</p>";
  const auto index = ParseIndex("a.htm#:#Discs\nb.htm#:#Brakes\nb.htm#:#BRAKES\nc.htm#:#Clutch\nlost.htm#:#Lost\na.htm#:#Discs");
  const Texts results = SearchPages(index, "brake", m.Hooks());
  EXPECT_EQ(results, (Texts{"Discs=a.htm", "BRAKES=b.htm"}));  // the last line first; duplicates once
  EXPECT_EQ(m.missing, (Texts{"lost.htm"}));
  // A stop after the third line keeps what was found so far.
  Manual m2 = m;
  m2.missing.clear();
  EXPECT_EQ(SearchPages(index, "brake", m2.Hooks(3)), (Texts{"Discs=a.htm"}));
}

TEST(SearchPages, ManyThreadsGiveExactlyWhatOneGives) {
  Manual m;
  std::mt19937 random(7);
  const char* words[] = {"колодки", "диск", "суппорт", "масло", "фильтр", "свеча", "ремень", "насос"};
  std::string index_text;
  for (int i = 0; i < 600; ++i) {
    std::string body;
    for (int w = 0; w < 40; ++w) body += std::string("<p>") + words[random() % 8] + (random() % 3 ? " " : "</p>");
    const std::string name = "p" + std::to_string(i) + ".htm";
    if (random() % 50) m.pages[name] = Ru(body);  // a few pages are missing
    index_text += name + "#:#" + Ru(words[i % 8]) + " " + std::to_string(i % 97) + "\n";
  }
  const auto index = ParseIndex(index_text);
  for (const char* query : {"колодки", "суппорт масло", "нет такого"}) {
    for (int stop : {-1, 1, 250, 599}) {
      Manual one = m;
      const Texts plain = SearchPages(index, Ru(query), one.Hooks(stop), 1);
      EXPECT_EQ(one.lines_done, stop < 0 ? 600 : stop);
      if (stop < 0 && std::string(query) == "колодки") {
        EXPECT_FALSE(plain.empty());
      }
      for (int threads : {2, 4}) {
        Manual many = m;
        const Texts parallel = SearchPages(index, Ru(query), many.Hooks(stop), threads);
        EXPECT_EQ(plain, parallel) << query << " stop " << stop << " threads " << threads;
        EXPECT_EQ(one.missing, many.missing) << query << " stop " << stop << " threads " << threads;
        EXPECT_EQ(one.lines_done, many.lines_done) << query << " stop " << stop << " threads " << threads;
      }
    }
  }
}

// The real reader under the search's threads: archive entries plain and
// scrambled, an entry refused for pointing past the end (its loose file is
// read instead), loose files found whatever the letter case of their names,
// and pages that are nowhere.
TEST(SearchPages, ThreadsReadTheArchiveAndItsFolderAsOneThreadDoes) {
  test::TempDir dir;
  test::FakePlatform platform;
  ResetPack();
  SetProgramDir(dir.path());
  test::ArchiveBuilder archive;
  std::string index_text;
  Texts expected;  // in walk order: from the last line to the first
  for (int i = 0; i < 120; ++i) {
    const std::string name = "p" + std::to_string(i) + ".htm";
    const bool holds = i % 3 == 0;
    const std::string page = Ru(holds ? "<p>Замена <b>КОЛОДКИ</b> тормоза</p>" : "<p>Замена диска</p>");
    switch (i % 5) {
      case 0: archive.Add("pages/" + name, page); break;
      case 1: archive.Add("pages/" + name, page, 1); break;  // scrambled
      case 2:  // refused in the archive, read from the folder
        archive.Add(test::RawEntry{"pages/" + name, "x", 0, 1 << 30, {}});
        dir.Write("pages/" + name, page);
        break;
      case 3: dir.Write("Loose/" + name.substr(0, 1) + "X" + name.substr(1), page); break;  // another case
      case 4: break;  // nowhere
    }
    const std::string listed = i % 5 == 3 ? "loose/" + name.substr(0, 1) + "x" + name.substr(1) : "pages/" + name;
    index_text += listed + "#:#T" + std::to_string(i) + "\r\n";
    if (holds && i % 5 != 4) expected.insert(expected.begin(), "T" + std::to_string(i) + "=" + listed);
  }
  ASSERT_TRUE(OpenPack(dir.Write("interface.dat", archive.Build())));
  const auto index = ParseIndex(index_text);
  for (int threads : {1, 2, 4}) {
    Texts missing;
    RSearchHooks hooks;
    hooks.read_page = [](const std::string& page, std::string& bytes) { return TryLoadPackFile(bytes, page); };
    hooks.missing = [&](const std::string& page) { missing.push_back(page); };
    EXPECT_EQ(SearchPages(index, Ru("колодки"), hooks, threads), expected) << threads;
    EXPECT_EQ(missing.size(), 24u) << threads;
    EXPECT_EQ(missing.front(), "pages/p119.htm") << threads;
  }
  ResetPack();
  SetProgramDir("");
}

TEST(SearchResults, SortedAsTheListShowsThem) {
  Texts lines = {Ru("Ёмкости=e.htm"), Ru("емкость=d.htm"), "brakes=b.htm", "Brakes=a.htm", Ru("Двигатель=c.htm"),
                 "Zeta=z.htm"};
  SortResults(lines);
  // "Ёмкости" sorts as "емкости", before "емкость".
  EXPECT_EQ(lines, (Texts{"Brakes=a.htm", "brakes=b.htm", "Zeta=z.htm", Ru("Двигатель=c.htm"), Ru("Ёмкости=e.htm"),
                          Ru("емкость=d.htm")}));
}

}  // namespace
}  // namespace remont
