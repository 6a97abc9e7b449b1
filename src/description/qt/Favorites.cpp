// Favourites and the saved window position of an engine, in the settings
// store under the window's reg_dat path: favourites are read after the
// building and written when the engine goes (and, so that a killed viewer
// loses nothing, whenever the user changes them); the position is restored
// after the building and saved when the engine goes, when save_pos is on.
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "common/Command.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkPopMenu.h"
#include "elements/qt/SkTree.h"

namespace remont {

void TSkStract::AddFavorite(const std::string& entry) {
  if (favorite_menus_.empty()) {
    ShowError(msg::NoFavoriteMenu());
    return;
  }
  if (!favorites_) favorites_ = std::make_unique<TFavoriteList>();
  if (!favorites_->Add(entry)) return;
  const auto [caption, value] = SplitFavorite(entry);
  bool list_trimmed = false;
  std::string names = favorite_menus_;
  while (!names.empty()) {
    const std::string name = CutToken(names, ";");
    auto* menu = dynamic_cast<TSkPopMenu*>(GetComponent(name, "pop_menu"));
    if (!menu) continue;
    if (menu->global_action.empty()) {
      ShowError(msg::FavoriteMenuWithoutAction(name));
      break;
    }
    const std::string command =
        LowerCase(menu->global_action) == "nil" ? value : InsertValue(menu->global_action, value, true);
    // An item with the same command gives way, and the favourite it showed
    // leaves the list too (one place further down now).
    const int replaced = menu->RemoveByAction(command);
    if (replaced >= 0 && !list_trimmed) {
      favorites_->Remove(replaced - menu->leading_count + 1);
      list_trimmed = true;
    }
    TSkItem* item = menu->InsertPopItem(menu->leading_count, caption, "", command);
    item->target = value;
    if (menu->PopItemCount() > menu->leading_count + menu->trailing_count + TFavoriteList::kMax)
      menu->DeletePopItem(menu->PopItemCount() - menu->trailing_count - 1);
    item->OnClick = [this, item] { ElementClick(item); };
  }
  FavoritesChanged();
}

void TSkStract::DeleteFavorite(const std::string& text) {
  if (!favorites_) return;
  const int index = favorites_->FindContaining(text);
  if (index < 0) return;
  favorites_->Remove(index);
  std::string names = favorite_menus_;
  while (!names.empty()) {
    message_switch = false;
    auto* menu = dynamic_cast<TSkPopMenu*>(GetComponent(CutToken(names, ";"), "pop_menu"));
    message_switch = true;
    if (menu) menu->RemoveByTarget(text);
  }
  FavoritesChanged();
}

void TSkStract::FavoritesChanged() {
  if (reading_favorites_ || reg_dat_.empty()) return;
  if (!favorites_read_) {
    changed_before_read_ = true;  // written once the stored ones have joined them
    return;
  }
  WriteFavorites(false);
}

void TSkStract::ReadFavorite() {
  if (favorite_menus_.empty()) return;
  if (reg_dat_.empty()) {
    ShowError(msg::ReadFavoriteNoPath());
    return;
  }
  // From the highest number down, each inserted at the top: the stored order comes back.
  reading_favorites_ = true;
  for (int n = TFavoriteList::kMax; n >= 0; --n) {
    std::string entry;
    if (CurrentPlatform().ReadSetting(reg_dat_, FavoriteValueName(n), entry) && !entry.empty()) AddFavorite(entry);
  }
  reading_favorites_ = false;
  favorites_read_ = true;
  // Favourites added before the reading (by the window's start command) are in the store now too.
  if (changed_before_read_) WriteFavorites(false);
}

void TSkStract::WriteFavorites(bool free) {
  if (!favorites_) return;
  const int count = favorites_->Count();
  for (int n = 0; n < count; ++n) WriteReg(FavoriteValueName(n), favorites_->Entries()[static_cast<size_t>(n)]);
  // Favourites removed during the run leave the store too.
  if (!reg_dat_.empty() && count < TFavoriteList::kMax &&
      CurrentPlatform().SettingExists(reg_dat_, FavoriteValueName(count))) {
    for (int k = count; k < TFavoriteList::kMax; ++k)
      if (CurrentPlatform().SettingExists(reg_dat_, FavoriteValueName(k)))
        CurrentPlatform().DeleteSetting(reg_dat_, FavoriteValueName(k));
  }
  if (free) favorites_.reset();
}

void TSkStract::WriteReg(const std::string& name, const std::string& text) {
  if (reg_dat_.empty()) {
    ShowError(msg::RegistryPathMissing());
    return;
  }
  CurrentPlatform().WriteSetting(reg_dat_, name, text);
}

std::string TSkStract::ReadReg(const std::string& name) {
  if (reg_dat_.empty()) {
    ShowError(msg::RegistryPathMissing());
    return {};
  }
  std::string text;
  CurrentPlatform().ReadSetting(reg_dat_, name, text);
  return text;
}

void TSkStract::SavePos() {
  RWindowPos pos;
  pos.top = window_->y();
  pos.left = window_->x();
  pos.width = window_->width();
  pos.height = window_->height();
  pos.maximised = window_->IsMaximised();
  WriteReg("pos_" + window_->WindowName(), PositionText(pos));
}

void TSkStract::LoadPos() {
  const auto pos = ParsePosition(ReadReg("pos_" + window_->WindowName()));
  if (!pos) return;
  std::vector<TRect> screens;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect r = s->availableGeometry();
    const TRect area{r.x(), r.y(), r.width(), r.height()};
    if (s == QGuiApplication::primaryScreen()) screens.insert(screens.begin(), area);
    else screens.push_back(area);
  }
  const TRect r = FitOnScreens({pos->left, pos->top, pos->width, pos->height}, screens);
  window_->move(r.left, r.top);
  window_->resize(r.width, r.height);
}

// -------------------------------------------------------- favourite commands

bool TSkStract::CmdMenuDelFavore(const RCommandCall& call) {
  // The whole parameter text, stars included: a favourite's value is itself a command string.
  DeleteFavorite(call.Command.ParamText);
  return true;
}

bool TSkStract::CmdTreeAddFavorite(const RCommandCall& call) {
  TSkTree* tree = GetTree(call.P1);
  if (tree && !tree->CurrentPage().empty()) AddFavorite(tree->CurrentCaption() + "=" + tree->CurrentCommand());
  return true;
}

bool TSkStract::CmdTreeDelFavorite(const RCommandCall& call) {
  TSkTree* tree = GetTree(call.P1);
  if (tree && !tree->CurrentPage().empty()) DeleteFavorite(tree->CurrentCommand());
  return true;
}

}  // namespace remont
