// Pop-up menus: the menu builder (a pop_menu section's keys make the menu's
// fixed items, its global action, caption limit and check mark, and make it a
// favourites, history or system menu), the history menus filled when they
// open, and menu_show.
#include <QMenu>

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "description/qt/SkStract.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkPopMenu.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"

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
  int check = -1;
  for (const std::string& key : keys) {
    const std::string k = LowerCase(key);
    const std::string v = reader_->ReadString(section, key);
    if (k == "glob_action") {
      menu->global_action = v;
    } else if (k == "check") {
      check = StrToIntDef(v, -1);
    } else if (k == "length") {
      menu->caption_limit = StrToInt(v);
    } else if (k == "menu_system") {
      window_->SetSystemMenu(ParseBool(v, false) ? menu : nullptr);
    } else if (k == "favorite") {
      if (ParseBool(v, false)) favorite_menus_ += section + ";";
    } else if (k == "history_back" || k == "history_prev" || k == "history_full") {
      menu->history_key = v;
      (k == "history_back" ? menu->history_back : k == "history_prev" ? menu->history_forward : menu->history_full) =
          true;
    }
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
  if (check != -1) menu->SetCheckedIndex(check);
  // A history menu that opens from a button's chevron is filled as it opens too.
  if (menu->history_back || menu->history_forward || menu->history_full)
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillHistoryMenu(menu); });
}

bool TSkStract::FillHistoryMenu(QMenu* plain) {
  auto* menu = dynamic_cast<TSkPopMenu*>(plain);
  if (!menu || !(menu->history_back || menu->history_forward || menu->history_full)) return false;
  menu->ClearPopItems();
  message_switch = false;
  auto* html = dynamic_cast<TSkHtml*>(Find(menu->history_key, "html"));
  auto* tree = dynamic_cast<TSkTree*>(Find(menu->history_key, "tree"));
  message_switch = true;
  auto add = [this, menu](const std::string& caption, const std::string& command) {
    TSkItem* item = menu->AddPopItem(caption, command, "");
    item->OnClick = [this, item] { ElementClick(item); };
    return item;
  };
  const std::string& key = menu->history_key;
  if (html) {
    // An html element: its pages behind, then ahead; each item moves the view
    // there and runs the menu's global action with the page.
    auto add_page = [&](int n) {
      const THtmlEx::HistoryEntry& entry = html->HistoryItem(n);
      add(entry.title, "html_go_history*" + key + "*" + std::to_string(n) + "//" +
                           InsertValue(menu->global_action, entry.file, true));
    };
    if (menu->history_back)
      for (int n = html->HistoryIndex() + 1; n < html->HistoryCount(); ++n) add_page(n);
    if (menu->history_forward)
      for (int n = 0; n < html->HistoryIndex(); ++n) add_page(n);
  } else if (tree) {
    const TreeHistory& history = tree->History();
    const int count = static_cast<int>(history.Captions().size());
    auto add_node = [&](int n, bool check_current) {
      const std::string command = history.HistoryCommand(n);
      if (command.empty()) return;
      TSkItem* item = add(history.Captions()[static_cast<size_t>(n)], "tree_go_history*" + key + "*" + std::to_string(n));
      if (check_current && command == tree->CurrentCommand()) {
        item->setCheckable(true);
        item->setChecked(true);
      }
    };
    if (menu->history_back)
      for (int n = history.Index() + 1; n < count; ++n) add_node(n, false);
    if (menu->history_forward)
      for (int n = 0; n < history.Index(); ++n) add_node(n, false);
    if (menu->history_full)
      for (int n = 0; n < count; ++n) add_node(n, true);
  }
  return true;
}

bool TSkStract::CmdMenuShow(const RCommandCall& call) {
  QMenu* menu = GetPopMenu(call.P1);
  if (!menu) return true;
  FillHistoryMenu(menu);
  RHelpAction anchor = call.Request;
  if (anchor.AnchorHeight == 0 && anchor.AnchorX == 0 && anchor.AnchorY == 0 && !call.P2.empty()) {
    // The anchor: the button named p2, else the speed button (the button lookup reported already).
    QObject* b = GetComponent(call.P2, "button");
    if (!b) b = FindComponent(call.P2, "sp_button");
    if (auto* w = qobject_cast<QWidget*>(b)) anchor = ActionWithAnchor(w, anchor.Action);
    else CurrentPlatform().ShowMessage(msg::MenuShowNotFound(call.P2), MessageKind::Plain);
  }
  // Just below the anchor, or at the screen's top-left corner without one.
  menu->popup(QPoint(anchor.AnchorX, anchor.AnchorY + anchor.AnchorHeight));
  return true;
}

}  // namespace remont
