// The menu builder: a pop_menu section's keys make the menu's fixed items
// (leading and trailing), its global action, caption limit and check mark.
#include <QMenu>

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkPopMenu.h"

namespace remont {

void TSkStract::BuildMenu(QMenu* plain, const std::string& section) {
  auto* menu = dynamic_cast<TSkPopMenu*>(plain);
  const std::vector<std::string> keys = reader_->ReadSectionKeys(section);
  if (!menu || keys.empty()) return;
  auto has = [&](const char* k) {
    for (const auto& key : keys)
      if (LowerCase(key) == k) return true;
    return false;
  };
  if (!has("glob_action") && (!has("caption") || !has("action"))) {
    CurrentPlatform().ShowMessage(msg::MenuParamsMissing(section), MessageKind::Plain);
    return;
  }
  // The menu's fields first, wherever they stand in the section.
  for (const std::string& key : keys) {
    const std::string k = LowerCase(key);
    const std::string v = reader_->ReadString(section, key);
    if (k == "glob_action") menu->global_action = v;
    else if (k == "length") menu->caption_limit = StrToInt(v);
  }
  auto add_items = [&](const char* caption_key, const char* action_key, const char* key_key, int& count) {
    std::string captions = reader_->ReadString(section, caption_key);
    std::string actions = reader_->ReadString(section, action_key);
    std::string shortcuts = reader_->ReadString(section, key_key);
    while (!captions.empty()) {
      const std::string caption = CutToken(captions, ";");
      std::string action = CutToken(actions, ";");
      const std::string shortcut = CutToken(shortcuts, ";");
      if (action.empty()) action = menu->global_action;
      TSkItem* item = menu->AddPopItem(caption, action, shortcut);
      if (!shortcut.empty()) window_->AddHotKey(shortcut + "*" + action);
      item->OnClick = [this, item] { ElementClick(item); };
      ++count;
    }
  };
  add_items("caption", "action", "key", menu->leading_count);
  add_items("last_caption", "last_action", "last_key", menu->trailing_count);
  const int check = StrToIntDef(reader_->ReadString(section, "check"), -1);
  if (check != -1) menu->SetCheckedIndex(check);
}

}  // namespace remont
