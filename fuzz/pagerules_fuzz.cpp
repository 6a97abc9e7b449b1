// Arbitrary bytes as a page for the charset and style-sheet scans, and as a
// link target for the link rules. Traps when a style-sheet href is not text of
// the page or a rule answer is inconsistent.
#include <cstddef>
#include <cstdint>
#include <string>

#include "pages/PageRules.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  (void)remont::PageDeclaresUtf8(bytes);
  for (const std::string& href : remont::StyleSheetLinks(bytes)) Check(bytes.find(href) != std::string::npos);

  const remont::LinkKind kind = remont::ClassifyLink(bytes);
  const std::string file = remont::LinkFile(bytes);
  Check(file.size() <= bytes.size());
  Check(file.find('#') == std::string::npos);
  if (kind == remont::LinkKind::InPage) Check(file.empty());
  std::string f, a;
  remont::SplitAnchor(bytes, f, a);
  Check(f.size() + (bytes.find('#') == std::string::npos ? 0 : 1 + a.size()) == bytes.size());
  return 0;
}
