// The commands a window's owner runs for its engines: one table per handler,
// looked up by the name of the first command of the request. A name the table
// does not hold shows the whole request in a message box.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/Command.h"
#include "common/HelpAction.h"
#include "common/Platform.h"

namespace remont {

template <class Owner>
struct ROwnerCommand {
  std::string_view Name;
  void (Owner::*Run)(const RHelpAction& request);
};

template <class Owner>
void RunOwnerCommand(Owner& owner, std::span<const ROwnerCommand<Owner>> table, const RHelpAction& request) {
  const TSkCommand commands(request.Action);
  const std::string name = commands.Count() > 0 ? commands.Commands()[0].Name : std::string();
  for (const auto& c : table) {
    if (c.Name == name) {
      (owner.*c.Run)(request);
      return;
    }
  }
  CurrentPlatform().ShowMessage(request.Action, MessageKind::Plain);
}

}  // namespace remont
