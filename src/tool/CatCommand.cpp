// remont-tool cat: the bytes the viewer reads for a name.
#include <string>

#include "archive/Pack.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "tool/ToolArchive.h"
#include "tool/ToolCommand.h"

namespace remont::tool {
namespace {

constexpr const char* kCatUsage = "cat ARCHIVE NAME";

// Passes messages on to the console and notes the not-found one.
class WatchingPlatform : public ConsolePlatform {
 public:
  explicit WatchingPlatform(std::string not_found) : not_found_(std::move(not_found)) {}
  void ShowMessage(const std::string& text, MessageKind kind) override {
    if (text == not_found_) missing = true;
    ConsolePlatform::ShowMessage(text, kind);
  }
  bool missing = false;

 private:
  std::string not_found_;
};

int RunCat(const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError(kCatUsage);
  const std::string name = Arg(args[1]);
  WatchingPlatform platform(msg::FileNotFound(name));
  Platform* previous = SetPlatform(&platform);
  // A refused or missing archive leaves loose files, as in the viewer.
  OpenArchiveArg(args[0]);
  TPack pack(name);
  SetPlatform(previous);
  ClosePack();
  if (platform.missing) return kFailed;
  Out(pack.Bytes());
  return kOk;
}

}  // namespace

REMONT_TOOL_COMMAND("cat", kCatUsage, RunCat);

}  // namespace remont::tool
