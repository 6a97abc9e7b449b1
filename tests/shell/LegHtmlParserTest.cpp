#include "shell/LegHtmlParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "common/Cp1251.h"

// Cases name only the options they change.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace remont {
namespace {

// The same escaping as remont-tool's payloads, so that expectations read like
// `remont-tool scan` output.
std::string Esc(const std::string& text) {
  static const char* hex = "0123456789abcdef";
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c < 0x20 || c == 0x7F) (out += "\\x") += std::string{hex[c >> 4], hex[c & 15]};
    else out += ch;
  }
  return out;
}

struct Options {
  bool translate = true;
  bool on_text = true;
  bool on_error = true;
  bool abort_on_error = false;
  std::string stop_on;  // StopParse from the first event whose line starts with this
};

// Assigns every event (as chosen) and records one `scan` line per event.
struct Recorder {
  std::vector<std::string> lines;
  std::string stop_on;

  void Add(TLegHtmlParser& p, std::string line) {
    lines.push_back(std::move(line));
    if (!stop_on.empty() && lines.back().rfind(stop_on, 0) == 0) {
      stop_on.clear();
      p.StopParse();
    }
  }

  void Attach(TLegHtmlParser& p, const Options& o = {}) {
    stop_on = o.stop_on;
    const auto token = [this](const char* kind) {
      return [this, kind](TLegHtmlParser& s, const std::string& t) {
        Add(s, std::string(kind) + "\t" + Esc(t));
      };
    };
    p.OnBlock = token("block");
    if (o.on_text) p.OnText = token("text");
    p.OnComment = token("comment");
    p.OnScript = token("script");
    p.OnDTDTag = token("dtd");
    p.OnTag = [this](TLegHtmlParser& s, const std::string& name, TLegHtmlParser::Attributes attrs) {
      std::string line = "tag\t" + Esc(name);
      for (const auto& a : attrs) line += "\t" + Esc(a);
      Add(s, line);
    };
    if (o.on_error) {
      p.OnError = [this, abort = o.abort_on_error](TLegHtmlParser& s, int code, std::int64_t pos, bool& ab) {
        Add(s, "error\t" + std::to_string(code) + "\t" + std::to_string(pos));
        ab = abort;
      };
    }
  }
};

std::vector<std::string> Scan(const std::vector<std::string>& content, const Options& o = {}) {
  TLegHtmlParser p;
  p.SetTranslate(o.translate);
  p.SetContent(content);
  Recorder r;
  r.Attach(p, o);
  p.Parse();
  return r.lines;
}

// The recorded lines as UTF-8, ready to paste as a new case's expectation.
std::string Show(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += "    \"" + Cp1251ToUtf8(l) + "\"\n";
  return s;
}

// Compares recorded lines with the expected ones and names the first difference.
void ExpectLines(const std::vector<std::string>& got, const std::vector<std::string>& expected,
                 const std::string& name) {
  if (got == expected) return;
  size_t i = 0;
  while (i < got.size() && i < expected.size() && got[i] == expected[i]) ++i;
  ADD_FAILURE() << name << ": first difference at line " << i << "\n  expected: "
                << (i < expected.size() ? Cp1251ToUtf8(expected[i]) : "(end)")
                << "\n  got:      " << (i < got.size() ? Cp1251ToUtf8(got[i]) : "(end)")
                << "\nall lines got:\n" << Show(got);
}

struct Case {
  const char* name;
  std::vector<std::string> content;  // Content lines (joined with CR LF)
  std::vector<std::string> expected;
  Options options = {};
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // ---- entities
      {"amp", {"a &amp; b"}, {"block\ta &amp; b", "text\ta & b"}},
      {"decimal and hex", {"&#65;&#x42;"}, {"block\t&#65;&#x42;", "text\tAB"}},
      {"hex marker any case, digits any case", {"&#X41;&#x4a;&#x6B;"}, {"block\t&#X41;&#x4a;&#x6B;", "text\tAJk"}},
      {"empty hex stays", {"&#x;"}, {"block\t&#x;", "text\t&#x;"}},
      {"empty decimal stays", {"&#;"}, {"block\t&#;", "text\t&#;"}},
      {"bad number stays whole", {"&#65x; &#xZ1;"}, {"block\t&#65x; &#xZ1;", "text\t&#65x; &#xZ1;"}},
      {"number over 32 bits stays", {"&#99999999999;"}, {"block\t&#99999999999;", "text\t&#99999999999;"}},
      {"unknown name stays", {"&bogus;"}, {"block\t&bogus;", "text\t&bogus;"}},
      {"empty name stays", {"&;"}, {"block\t&;", "text\t&;"}},
      {"names are case-sensitive", {"&Nbsp;&AMP;"}, {"block\t&Nbsp;&AMP;", "text\t&Nbsp;&AMP;"}},
      {"no semicolon after", {"AT&T"}, {"block\tAT&T", "text\tAT&T"}},
      {"ampersand before the semicolon", {"&x &amp;"}, {"block\t&x &amp;", "text\t&x &"}},
      {"double ampersand", {"&&amp;"}, {"block\t&&amp;", "text\t&&"}},
      {"low 8 bits of a big number", {"&#1040;"}, {"block\t&#1040;", "text\t\\x10"}},
      {"zero", {"&#0;"}, {"block\t&#0;", "text\t\\x00"}},
      {"Latin-1 and markup names",
       {"&nbsp;&copy;&yuml;&quot;&lt;&gt;&Eacute;"},
       {"block\t&nbsp;&copy;&yuml;&quot;&lt;&gt;&Eacute;", "text\t\xA0\xA9\xFF\"<>\xC9"}},
      {"text after the last entity", {"x&lt;y&gt;z end"}, {"block\tx&lt;y&gt;z end", "text\tx<y>z end"}},
      {"entities in names and values",
       {"<im&amp;g src=&quot;x&quot; alt=\"&copy; 1\" t&#65;g='&bad;'>"},
       {"block\t<im&amp;g src=&quot;x&quot; alt=\"&copy; 1\" t&#65;g='&bad;'>",
        "tag\tim&g\tsrc=\"x\"\talt=\xA9 1\ttAg=&bad;"}},
      {"entity decoded only after trimming", {" &nbsp;x&#32; "}, {"block\t &nbsp;x&#32; ", "text\t\xA0x "}},

      // ---- text pieces
      {"trimmed at both ends", {"  \t x  y \x01"}, {"block\t  \\t x  y \\x01", "text\tx  y"}},
      {"blank piece gives only a block", {"<p>   </p>"}, {"block\t<p>", "tag\tp", "block\t   ", "block\t</p>", "tag\t/p"}},
      {"break after a tag skipped, one at the end of a piece removed",
       {"<p>", "x", "", "y", "<b>"},
       {"block\t<p>", "tag\tp", "block\tx\\r\\n\\r\\ny", "text\tx\\r\\n\\r\\ny", "block\t<b>", "tag\tb"}},
      {"only one trailing break removed", {"a", "", "<p>"}, {"block\ta\\r\\n", "text\ta", "block\t<p>", "tag\tp"}},
      {"a piece that is only a break", {"<b>", "", "<i>"}, {"block\t<b>", "tag\tb", "block\t<i>", "tag\ti"}},
      {"lone CR after a tag skipped", {"<p>\rx"}, {"block\t<p>", "tag\tp", "block\tx", "text\tx"}},
      {"LF after a tag kept", {"<p>\nx"}, {"block\t<p>", "tag\tp", "block\t\\nx", "text\tx"}},
      {"lone CR or LF at the end of a piece", {"a\r<p>b\n"}, {"block\ta", "text\ta", "block\t<p>", "tag\tp", "block\tb", "text\tb"}},

      // ---- tags and attributes
      {"attributes quoted, unquoted, without value",
       {"<p class=x id='y z' nowrap>"},
       {"block\t<p class=x id='y z' nowrap>", "tag\tp\tclass=x\tid=y z"}},
      {"blanks around =, > inside quotes, no blank after a quote",
       {"<a href=\"a>b\" title = 'x'c=d>"},
       {"block\t<a href=\"a>b\" title = 'x'c=d>", "tag\ta\thref=a>b\ttitle=x\tc=d"}},
      {"other quote inside quotes", {"<a t=\"it's\" u='say \"hi\"'>"}, {"block\t<a t=\"it's\" u='say \"hi\"'>", "tag\ta\tt=it's\tu=say \"hi\""}},
      {"empty values", {"<a b='' c=\"\">"}, {"block\t<a b='' c=\"\">", "tag\ta\tb=\tc="}},
      {"empty attribute name ends the list", {"<p =x y=z>"}, {"block\t<p =x y=z>", "tag\tp"}},
      {"end tag keeps slash and case", {"</P>"}, {"block\t</P>", "tag\t/P"}},
      {"self-closing slash stays in the name", {"<br/><br />"}, {"block\t<br/>", "tag\tbr/", "block\t<br />", "tag\tbr"}},
      {"blanks after <", {"< b >"}, {"block\t< b >", "tag\tb"}},
      {"empty tag", {"<>x"}, {"block\t<>", "tag\t", "block\tx", "text\tx"}},
      {"attributes over several lines", {"<td", "  width=10", "  class=\"a\">"}, {"block\t<td\\r\\n  width=10\\r\\n  class=\"a\">", "tag\ttd\twidth=10\tclass=a"}},

      // ---- comments and document-type tags
      {"comment with inner dashes", {"<!-- a -- b -->"}, {"block\t<!-- a -- b -->", "comment\t a -- b "}},
      {"empty comment", {"<!---->"}, {"block\t<!---->", "comment\t"}},
      {"dash run and blanks before >", {"<!--x---  >y"}, {"block\t<!--x---  >", "comment\tx", "block\ty", "text\ty"}},
      {"comment not decoded, break after it skipped",
       {"<!-- &amp; <b> -->", "t"},
       {"block\t<!-- &amp; <b> -->", "comment\t &amp; <b> ", "block\tt", "text\tt"}},
      {"document type", {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">"},
       {"block\t<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">", "dtd\tDOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\""}},
      {"document type decoded", {"<!x &amp; y>"}, {"block\t<!x &amp; y>", "dtd\tx & y"}},
      {"blank before ! makes a document type", {"< !-- x -->"}, {"block\t< !-- x -->", "dtd\t-- x --"}},

      // ---- scripts
      {"script body, then the end tag",
       {"<script>var x;</script>"},
       {"block\t<script>", "tag\tscript", "block\tvar x;", "script\tvar x;", "block\t</script>", "tag\t/script"}},
      {"script comment goes to OnScript",
       {"<script><!-- x --></script>"},
       {"block\t<script>", "tag\tscript", "block\t<!-- x -->", "script\t x ", "block\t</script>", "tag\t/script"}},
      {"blanks before a script comment dropped",
       {"<script type=\"text/javascript\">", "  <!--", "x();", "//--></script>"},
       {"block\t<script type=\"text/javascript\">", "tag\tscript\ttype=text/javascript",
        "block\t<!--\\r\\nx();\\r\\n//-->", "script\t\\r\\nx();\\r\\n//", "block\t</script>", "tag\t/script"}},
      {"script end in any case, < and entities in the body kept",
       {"<SCRIPT language=js>if (a<b) x('&amp;');</Script>after"},
       {"block\t<SCRIPT language=js>", "tag\tSCRIPT\tlanguage=js", "block\tif (a<b) x('&amp;');",
        "script\tif (a<b) x('&amp;');", "block\t</Script>", "tag\t/Script", "block\tafter", "text\tafter"}},
      {"empty script body", {"<script></script>"}, {"block\t<script>", "tag\tscript", "block\t", "script\t", "block\t</script>", "tag\t/script"}},
      {"blank script body kept", {"<script> </script>"}, {"block\t<script>", "tag\tscript", "block\t ", "script\t ", "block\t</script>", "tag\t/script"}},
      {"code after a script comment is text",
       {"<script><!--a--> b()</script>"},
       {"block\t<script>", "tag\tscript", "block\t<!--a-->", "script\ta", "block\t b()", "text\tb()", "block\t</script>", "tag\t/script"}},
      {"comment outside a script goes to OnComment after a script",
       {"<script>x</script><!--c-->"},
       {"block\t<script>", "tag\tscript", "block\tx", "script\tx", "block\t</script>", "tag\t/script", "block\t<!--c-->", "comment\tc"}},
      {"scriptx is no script", {"<scriptx>a</scriptx>"}, {"block\t<scriptx>", "tag\tscriptx", "block\ta", "text\ta", "block\t</scriptx>", "tag\t/scriptx"}},

      // ---- errors and their positions
      {"1: text ends in a tag name", {"<p"}, {"error\t1\t3"}},
      {"1: text ends after <", {"ab< "}, {"block\tab", "text\tab", "error\t1\t5"}},
      {"1: text ends in an attribute name", {"<a b"}, {"error\t1\t5"}},
      {"1: text ends after =", {"<a b= "}, {"error\t1\t7"}},
      {"1: text ends in a quoted value", {"x<a href='y>"}, {"block\tx", "text\tx", "error\t1\t13"}},
      {"1: text ends after an unquoted value", {"<a b=c"}, {"error\t1\t7"}},
      {"1: text ends in a document type", {"<!x"}, {"error\t1\t4"}},
      {"1: text ends in a comment's closing", {"<!-- x --  "}, {"error\t1\t12"}},
      {"2: comment never closed", {"a<!-- x", "y"}, {"block\ta", "text\ta", "error\t2\t11"}},
      {"2: a single dash does not close", {"<!-- x ->"}, {"error\t2\t10"}},
      {"4 then 5: < inside a tag", {"<a <b>"}, {"error\t4\t4", "error\t5\t6"}},
      {"4: the bad tag is skipped to its >", {"<a<b>c<i>"}, {"error\t4\t3", "error\t5\t5", "block\t<i>", "tag\ti"}},
      {"4: < in a quoted value", {"<a t=\"<\">x"}, {"error\t4\t7", "error\t5\t9"}},
      {"4: a script tag with an error switches nothing", {"<script <b>x</b>"}, {"error\t4\t9", "error\t5\t11", "block\t</b>", "tag\t/b"}},
      {"5: > in text", {"a > b"}, {"error\t5\t3"}},
      {"5: first > counts, scan goes on at <", {"a > b > c<p>d"}, {"error\t5\t3", "block\t<p>", "tag\tp", "block\td", "text\td"}},
      {"6: script never closed", {"<script>var x;"}, {"block\t<script>", "tag\tscript", "error\t6\t15"}},
      {"6: only blanks after script", {"<script>", "   "}, {"block\t<script>", "tag\tscript", "error\t6\t14"}},
      {"6: </SCRIPT without >", {"<script>x</script"}, {"block\t<script>", "tag\tscript", "error\t6\t18"}},
      {"positions across lines", {"<p>", "a > b"}, {"block\t<p>", "tag\tp", "error\t5\t8"}},

      // ---- handlers assigned or not, aborting, stopping
      {"errors ignored without OnError", {"a > b<p>c<d"}, {"block\t<p>", "tag\tp", "block\tc", "text\tc"}, {.on_error = false}},
      {"abort ends the scan", {"a > b<p>c"}, {"error\t5\t3"}, {.abort_on_error = true}},
      {"without OnText only blocks", {"  a &amp; b  <p>"}, {"block\t  a &amp; b  ", "block\t<p>", "tag\tp"}, {.on_text = false}},
      {"StopParse from the first text",
       {"<p>one</p>two > x<b"},
       {"block\t<p>", "tag\tp", "block\tone", "text\tone"},
       {.stop_on = "text"}},
      {"StopParse from a block: no text of the same piece", {"one<p>"}, {"block\tone"}, {.stop_on = "block"}},
      {"StopParse from a tag's block: no tag event", {"<p a=b>x"}, {"block\t<p a=b>"}, {.stop_on = "block\t<"}},
      {"StopParse from an error", {"a>b<p>c"}, {"error\t5\t2"}, {.stop_on = "error"}},

      // ---- Translate off
      {"Translate off keeps entities everywhere",
       {"<!x &amp;><p t=&amp;>a &amp; b"},
       {"block\t<!x &amp;>", "dtd\tx &amp;", "block\t<p t=&amp;>", "tag\tp\tt=&amp;", "block\ta &amp; b", "text\ta &amp; b"},
       {.translate = false}},
  };
  return cases;
}

TEST(LegHtmlParser, EventsOfEachCase) {
  for (const auto& c : Cases()) {
    ExpectLines(Scan(c.content, c.options), c.expected, c.name);
  }
}

TEST(LegHtmlParser, WholePages) {
  const std::vector<std::string> page1 = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
      "<html>",
      "<head>",
      Ru("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"),
      Ru("<title>Снятие генератора</title>"),
      "<style type=\"text/css\"><!-- td { font-size: 10pt } --></style>",
      "<script language=\"JavaScript\">",
      "<!--",
      "function show(n) { if (n < 2) return; }",
      "// -->",
      "</script>",
      "</head>",
      "<body bgcolor=#FFFFFF>",
      Ru("<h1>Снятие&nbsp;генератора</h1>"),
      Ru("<p>Момент затяжки: 25&nbsp;Н&middot;м &#8212; <b>не</b> превышать.</p>"),
      "<table border=1 cellpadding=\"2\">",
      Ru("<tr><td>Болт M8</td><td>&laquo;10&raquo;</td></tr>"),
      "</table>",
      "<!-- end of page -->",
      "</body>",
      "</html>",
  };
  const std::vector<std::string> expected1 = {
      "block\t<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
      "dtd\tDOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"",
      "block\t<html>", "tag\thtml",
      "block\t<head>", "tag\thead",
      "block\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">",
      "tag\tmeta\thttp-equiv=Content-Type\tcontent=text/html; charset=windows-1251",
      "block\t<title>", "tag\ttitle",
      Ru("block\tСнятие генератора"), Ru("text\tСнятие генератора"),
      "block\t</title>", "tag\t/title",
      "block\t<style type=\"text/css\">", "tag\tstyle\ttype=text/css",
      "block\t<!-- td { font-size: 10pt } -->", "comment\t td { font-size: 10pt } ",
      "block\t</style>", "tag\t/style",
      "block\t<script language=\"JavaScript\">", "tag\tscript\tlanguage=JavaScript",
      "block\t<!--\\r\\nfunction show(n) { if (n < 2) return; }\\r\\n// -->",
      "script\t\\r\\nfunction show(n) { if (n < 2) return; }\\r\\n// ",
      "block\t</script>", "tag\t/script",
      "block\t</head>", "tag\t/head",
      "block\t<body bgcolor=#FFFFFF>", "tag\tbody\tbgcolor=#FFFFFF",
      "block\t<h1>", "tag\th1",
      Ru("block\tСнятие&nbsp;генератора"), Ru("text\tСнятие") + "\xA0" + Ru("генератора"),
      "block\t</h1>", "tag\t/h1",
      "block\t<p>", "tag\tp",
      Ru("block\tМомент затяжки: 25&nbsp;Н&middot;м &#8212; "),
      Ru("text\tМомент затяжки: 25") + "\xA0" + Ru("Н") + "\xB7" + Ru("м ") + "\\x14",  // "&#8212;" keeps its lowest 8 bits
      "block\t<b>", "tag\tb",
      Ru("block\tне"), Ru("text\tне"),
      "block\t</b>", "tag\t/b",
      Ru("block\t превышать."), Ru("text\tпревышать."),
      "block\t</p>", "tag\t/p",
      "block\t<table border=1 cellpadding=\"2\">", "tag\ttable\tborder=1\tcellpadding=2",
      "block\t<tr>", "tag\ttr", "block\t<td>", "tag\ttd",
      Ru("block\tБолт M8"), Ru("text\tБолт M8"),
      "block\t</td>", "tag\t/td", "block\t<td>", "tag\ttd",
      "block\t&laquo;10&raquo;", "text\t\xAB" "10\xBB",
      "block\t</td>", "tag\t/td", "block\t</tr>", "tag\t/tr",
      "block\t</table>", "tag\t/table",
      "block\t<!-- end of page -->", "comment\t end of page ",
      "block\t</body>", "tag\t/body",
      "block\t</html>", "tag\t/html",
  };
  ExpectLines(Scan(page1), expected1, "page 1");

  // A broken page: scanning resumes after each problem and stops at the
  // unclosed script.
  const std::vector<std::string> page2 = {
      "<p>Torque 5 > 4 Nm</p>",
      "<a href=\"x.htm\" <b>link</a>",
      "<p>ok</p>",
      "<script>alert(1)",
      "<p>never</p>",
  };
  const std::vector<std::string> expected2 = {
      "block\t<p>", "tag\tp",
      "error\t5\t13",
      "block\t</p>", "tag\t/p",
      "error\t4\t41",
      "error\t5\t43",
      "block\t</a>", "tag\t/a",
      "block\t<p>", "tag\tp", "block\tok", "text\tok", "block\t</p>", "tag\t/p",
      "block\t<script>", "tag\tscript",
      "error\t6\t95",
  };
  ExpectLines(Scan(page2), expected2, "page 2");
}

TEST(LegHtmlParser, ReParseWithoutChangeScansTheHeldTextAgain) {
  TLegHtmlParser p;
  p.SetContent({"<p>a</p>"});
  Recorder r;
  r.Attach(p);
  p.Parse();
  const auto first = r.lines;
  ASSERT_EQ(first.size(), 6u);
  r.lines.clear();
  p.Parse();
  EXPECT_EQ(r.lines, first);

  // Any change of Content drops the held text.
  p.AddContent("b");
  r.lines.clear();
  p.Parse();
  EXPECT_EQ(r.lines.back(), "text\tb");
  EXPECT_EQ(p.Text(), "<p>a</p>\r\nb");
  p.SetContent({"<i>"});
  r.lines.clear();
  p.Parse();
  EXPECT_EQ(r.lines, (std::vector<std::string>{"block\t<i>", "tag\ti"}));
  p.ClearContent();
  r.lines.clear();
  p.Parse();
  EXPECT_TRUE(r.lines.empty());
}

TEST(LegHtmlParser, EndParserScansOnlyTheHeldText) {
  TLegHtmlParser p;
  Recorder r;
  r.Attach(p);
  p.SetContent({"x"});
  p.SetEndParser(true);
  p.Parse();
  EXPECT_TRUE(r.lines.empty());  // nothing held, Content not taken

  p.SetEndParser(false);
  p.Parse();
  EXPECT_EQ(r.lines, (std::vector<std::string>{"block\tx", "text\tx"}));

  p.SetEndParser(true);
  r.lines.clear();
  p.Parse();  // the held text stays
  EXPECT_EQ(r.lines, (std::vector<std::string>{"block\tx", "text\tx"}));

  p.SetContent({"y"});
  r.lines.clear();
  p.Parse();  // dropped by the change, and not taken again
  EXPECT_TRUE(r.lines.empty());
}

TEST(LegHtmlParser, StopParseLeavesLengthMinusOneUntilTheNextParse) {
  TLegHtmlParser p;
  p.SetContent({"a<p>b"});
  Recorder r;
  r.Attach(p, {.stop_on = "text"});
  p.Parse();
  EXPECT_EQ(r.lines, (std::vector<std::string>{"block\ta", "text\ta"}));
  EXPECT_EQ(p.Length(), -1);
  r.lines.clear();
  p.Parse();  // stop_on was used up: a full scan of the same text
  EXPECT_EQ(p.Length(), 5);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"block\ta", "text\ta", "block\t<p>", "tag\tp", "block\tb", "text\tb"}));
}

TEST(LegHtmlParser, ContentChangedByAHandlerEndsTheScanSafely) {
  TLegHtmlParser p;
  p.SetContent({"first<p>second"});
  std::vector<std::string> texts;
  p.OnText = [&](TLegHtmlParser& s, const std::string& t) {
    texts.push_back(t);
    if (t == "first") s.SetContent({"<b>new</b>"});
    s.Parse();  // ignored while scanning
  };
  p.Parse();
  EXPECT_EQ(texts, (std::vector<std::string>{"first"}));
  texts.clear();
  p.Parse();
  EXPECT_EQ(texts, (std::vector<std::string>{"new"}));
}

TEST(LegHtmlParser, PropertiesAndDefaults) {
  TLegHtmlParser p;
  EXPECT_TRUE(p.Translate());
  EXPECT_TRUE(p.Normalize());
  EXPECT_TRUE(p.TextNormalize());
  EXPECT_FALSE(p.EndParser());
  p.SetTextNormalize(false);
  EXPECT_FALSE(p.Normalize());
  p.SetNormalize(true);
  EXPECT_TRUE(p.TextNormalize());

  // The flag does not change a scan.
  p.SetContent({"  a&amp;  "});
  Recorder r;
  r.Attach(p);
  p.Parse();
  const auto with = r.lines;
  p.SetNormalize(false);
  r.lines.clear();
  p.Parse();
  EXPECT_EQ(r.lines, with);
  EXPECT_EQ(with.back(), "text\ta&");
}

TEST(LegHtmlParser, LoadContentSplitsAtEveryKindOfBreak) {
  TLegHtmlParser p;
  p.LoadContent("a\r\nb\nc\rd\n\re\r\n");
  EXPECT_EQ(p.Content(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  p.Parse();
  EXPECT_EQ(p.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
  p.LoadContent("x");
  EXPECT_EQ(p.Content(), (std::vector<std::string>{"x"}));
  p.LoadContent("\r\r\n\n\nq\r");
  EXPECT_EQ(p.Content(), (std::vector<std::string>{"", "", "", "", "q"}));
  p.LoadContent("");
  EXPECT_TRUE(p.Content().empty());
}

TEST(LegHtmlParser, ManyAttributesAndReusedList) {
  std::string tag = "<t";
  std::string expected = "tag\tt";
  for (int i = 0; i < 250; ++i) {
    tag += " a" + std::to_string(i) + "=" + std::to_string(i);
    expected += "\ta" + std::to_string(i) + "=" + std::to_string(i);
  }
  tag += "><u x=1>";
  const auto got = Scan({tag});
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[1], expected);
  EXPECT_EQ(got[3], "tag\tu\tx=1");  // the list is cleared for the next tag
}

TEST(LegHtmlParser, EntityTableIsTheLatin1SetAndMarkup) {
  int named = 0;
  for (int code = 0; code < 256; ++code) {
    const auto name = TLegHtmlParser::EntityName(static_cast<unsigned char>(code));
    if (name.empty()) continue;
    ++named;
    EXPECT_TRUE(code >= 160 || code == 34 || code == 38 || code == 60 || code == 62) << code;
    EXPECT_EQ(TLegHtmlParser::Decode("&" + std::string(name) + ";"), std::string(1, static_cast<char>(code))) << name;
  }
  EXPECT_EQ(named, 100);
  const struct {
    int code;
    const char* name;
  } known[] = {{34, "quot"},   {38, "amp"},     {60, "lt"},      {62, "gt"},     {160, "nbsp"},
               {169, "copy"},  {173, "shy"},    {175, "macr"},   {183, "middot"}, {191, "iquest"},
               {198, "AElig"}, {208, "ETH"},    {215, "times"},  {222, "THORN"},  {223, "szlig"},
               {230, "aelig"}, {240, "eth"},    {247, "divide"}, {254, "thorn"},  {255, "yuml"}};
  for (const auto& k : known) EXPECT_EQ(TLegHtmlParser::EntityName(k.code), k.name) << k.code;
}

// ---- The direct byte path and the text-only path --------------------------

// Pages made of fragments that exercise every rule: breaks of every kind
// (also at the ends), entities, quotes holding ">" and "<", comments, scripts
// plain and commented, document types, bad tags, stray ">", text ending inside
// a tag, and "script" tags in any case.
std::vector<std::string> GeneratedPages(int count) {
  static const char* kFragments[] = {
      "<p class=\"x\">", "</p>", "text &amp; more", "&nbsp;&copy;", "&#65;&#x42;&bogus;", "AT&T",
      "<!-- c -- d -->", "<!--x---  >", "<script>var a = 1 < 2;</script>", "<SCRIPT>x</Script>",
      "<script><!-- y --></script>", "<script type='t'>\r\n  <!--\r\nz\r\n// --></script>",
      "<a href='y>z' t=\"<\">", "<img src=a.gif alt=\"b c\" nowrap>", "a > b", "<b", "<x <y>", "<", ">",
      "\r\n", "\n", "\r", "\r\r\n", "\n\r", "  ", "\t", "<!DOCTYPE html>", "<! x &amp; y>", "<td =x y=z>",
      "< b >", "<>", "<p a = 'q' b=\"\" c>", "\xD0\xF3\xEB\xFC &laquo;\xE0\xE2\xF2\xEE&raquo;", "x",
      "<scriptx>s</scriptx>", "<br/>", "-->", "<!-- open", "<p title='unclosed", "</SCRIPT>", "&#1040;"};
  std::mt19937 random(1251);
  std::vector<std::string> pages;
  for (int i = 0; i < count; ++i) {
    std::string page;
    const int n = static_cast<int>(random() % 40);
    for (int k = 0; k < n; ++k) page += kFragments[random() % std::size(kFragments)];
    pages.push_back(page);
  }
  return pages;
}

// The fuzz seeds' pages (after the two option bytes) and the generated pages.
std::vector<std::string> SamplePages() {
  std::vector<std::string> pages;
  for (const auto& e : std::filesystem::directory_iterator(REMONT_SOURCE_DIR "/fuzz/seeds/scanner_fuzz")) {
    std::ifstream in(e.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    pages.push_back(bytes.size() > 2 ? bytes.substr(2) : "");
  }
  EXPECT_FALSE(pages.empty());
  for (auto& page : GeneratedPages(400)) pages.push_back(std::move(page));
  return pages;
}

// Every event of a scan of the page, taken in as lines or as bytes.
std::vector<std::string> ScanPage(const std::string& page, bool bytes, const Options& o = {}) {
  TLegHtmlParser p;
  p.SetTranslate(o.translate);
  if (bytes) p.LoadBytes(page);
  else p.LoadContent(page);
  Recorder r;
  r.Attach(p, o);
  p.Parse();
  r.lines.push_back("length\t" + std::to_string(p.Length()));
  return r.lines;
}

// The text events of a scan with only OnText assigned.
std::vector<std::string> TextOnly(const std::string& page, bool bytes, bool translate, const std::string& stop_on = {}) {
  TLegHtmlParser p;
  p.SetTranslate(translate);
  if (bytes) p.LoadBytes(page);
  else p.LoadContent(page);
  std::vector<std::string> texts;
  p.OnText = [&](TLegHtmlParser& s, const std::string& t) {
    texts.push_back("text\t" + Esc(t));
    if (!stop_on.empty() && t.find(stop_on) != std::string::npos) s.StopParse();
  };
  p.Parse();
  return texts;
}

std::vector<std::string> TextLines(const std::vector<std::string>& lines) {
  std::vector<std::string> texts;
  for (const auto& l : lines)
    if (l.rfind("text\t", 0) == 0) texts.push_back(l);
  return texts;
}

TEST(LegHtmlParser, LoadBytesHoldsTheTextOfTheLines) {
  const char* cases[] = {"",          "x",           "a\r\nb",        "a\r\n",    "a\r\n\r\n", "a\nb\rc\r\nd",
                         "\r\r\n\n\nq\r", "a\n\r",        "\n",           "\r",        "\r\n",     "<p>\n</p>\r",
                         "a\r\n\rb\n\n", "tail\r\n\r\n\r\n"};
  for (const char* c : cases) {
    const std::string bytes = c;
    TLegHtmlParser lines;
    lines.LoadContent(bytes);
    lines.Parse();
    TLegHtmlParser direct;
    direct.SetContent({"dropped"});
    direct.LoadBytes(bytes);
    EXPECT_TRUE(direct.Content().empty()) << Esc(bytes);
    EXPECT_EQ(direct.Text(), lines.Text()) << Esc(bytes);
    direct.Parse();
    EXPECT_EQ(direct.Length(), lines.Length()) << Esc(bytes);
  }
}

TEST(LegHtmlParser, LoadBytesKeepsCrLfPagesWithoutACopy) {
  const std::string page = "<p>a</p>\r\n<b>c</b>\r\n";
  TLegHtmlParser p;
  p.LoadBytes(page);
  EXPECT_EQ(p.Text().data(), page.data());
  EXPECT_EQ(p.Text(), "<p>a</p>\r\n<b>c</b>");
  const std::string lone = "<p>a</p>\n<b>c</b>";
  p.LoadBytes(lone);
  EXPECT_NE(p.Text().data(), lone.data());  // rewritten with CR LF
  EXPECT_EQ(p.Text(), "<p>a</p>\r\n<b>c</b>");
}

TEST(LegHtmlParser, LoadBytesOfLongPagesWithBreaksAnywhere) {
  // Pages long enough to be looked at sixteen bytes at a time, whose breaks
  // are CR LF except, now and then, one lone CR or LF anywhere (first and last
  // byte too): the text is the joined lines', and only all-CR-LF pages are
  // held without a copy.
  std::mt19937 random(3);
  int borrowed = 0;
  for (int i = 0; i < 600; ++i) {
    std::string bytes;
    const int n = 17 + static_cast<int>(random() % 150);
    while (static_cast<int>(bytes.size()) < n) bytes += random() % 6 ? std::string(1 + random() % 20, 'a') : "\r\n";
    if (random() % 2) bytes[random() % bytes.size()] = random() % 2 ? '\r' : '\n';
    bool crlf_only = true;
    for (size_t k = 0; k < bytes.size(); ++k) {
      if (bytes[k] == '\n' && (k == 0 || bytes[k - 1] != '\r')) crlf_only = false;
      if (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n')) crlf_only = false;
    }
    TLegHtmlParser lines;
    lines.LoadContent(bytes);
    lines.Parse();
    TLegHtmlParser direct;
    direct.LoadBytes(bytes);
    ASSERT_EQ(direct.Text(), lines.Text()) << Esc(bytes);
    ASSERT_EQ(direct.Text().data() == bytes.data(), crlf_only) << Esc(bytes);
    borrowed += crlf_only;
  }
  EXPECT_GT(borrowed, 100);
  EXPECT_LT(borrowed, 500);
}

TEST(LegHtmlParser, BytesGiveTheEventsOfTheLines) {
  for (const auto& page : SamplePages())
    for (const bool translate : {true, false})
      ExpectLines(ScanPage(page, true, {.translate = translate}), ScanPage(page, false, {.translate = translate}),
                  Esc(page));
}

TEST(LegHtmlParser, TextOnlyGivesTheTextEventsOfAFullScan) {
  size_t texts = 0;
  for (const auto& page : SamplePages())
    for (const bool translate : {true, false}) {
      const auto full = TextLines(ScanPage(page, false, {.translate = translate}));
      texts += full.size();
      ExpectLines(TextOnly(page, false, translate), full, "lines: " + Esc(page));
      ExpectLines(TextOnly(page, true, translate), full, "bytes: " + Esc(page));
    }
  EXPECT_GT(texts, 1000u);  // the pages do hold text
}

TEST(LegHtmlParser, TextOnlyStopsWhereAFullScanStops) {
  for (const auto& page : SamplePages()) {
    const auto full = TextLines(ScanPage(page, true, {.stop_on = "text\tx"}));
    auto fast = TextOnly(page, true, true, "x");
    // The full scan stops at the first text starting with "x"; the fast one at
    // the first holding it: compare up to the first such text.
    const auto first = std::find_if(fast.begin(), fast.end(), [](const std::string& t) { return t.find('x') != std::string::npos; });
    if (first != fast.end()) fast.erase(first + 1, fast.end());
    const auto first_full =
        std::find_if(full.begin(), full.end(), [](const std::string& t) { return t.find('x') != std::string::npos; });
    EXPECT_EQ(fast, std::vector<std::string>(full.begin(), first_full == full.end() ? full.end() : first_full + 1))
        << Esc(page);
  }
}

TEST(LegHtmlParser, AHandlerAssigningAnEventMidScanIsHeardFromTheNextEvent) {
  TLegHtmlParser p;
  p.SetContent({"a<b>c<!--d--><i>e"});
  std::vector<std::string> lines;
  p.OnText = [&](TLegHtmlParser& s, const std::string& t) {
    lines.push_back("text\t" + t);
    if (!s.OnBlock) s.OnBlock = [&](TLegHtmlParser&, const std::string& b) { lines.push_back("block\t" + b); };
  };
  p.Parse();
  EXPECT_EQ(lines, (std::vector<std::string>{"text\ta", "block\t<b>", "block\tc", "text\tc", "block\t<!--d-->",
                                             "block\t<i>", "block\te", "text\te"}));
}

TEST(LegHtmlParser, LoadBytesFromAHandlerEndsTheScanAndHoldsTheNewPage) {
  TLegHtmlParser p;
  const std::string next = "<b>new</b>\nline";
  p.LoadBytes("first<p>second");
  std::vector<std::string> texts;
  p.OnText = [&](TLegHtmlParser& s, const std::string& t) {
    texts.push_back(t);
    if (t == "first") s.LoadBytes(next);
  };
  p.Parse();
  EXPECT_EQ(texts, (std::vector<std::string>{"first"}));
  EXPECT_EQ(p.Text(), "<b>new</b>\r\nline");
  texts.clear();
  p.Parse();
  EXPECT_EQ(texts, (std::vector<std::string>{"new", "line"}));
}

}  // namespace
}  // namespace remont
