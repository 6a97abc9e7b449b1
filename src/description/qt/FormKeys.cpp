// The keys of a window's own section (type form): they set the window's
// caption, size switches, start command and moving, and the engine's saved
// state, splash and skin.
#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QToolTip>
#include <QWidget>
#include <stdexcept>

#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/qt/QtText.h"
#include "description/qt/SkStract.h"
#include "description/qt/Splash.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkSkin.h"

namespace remont {
namespace {

void SetHintColour(QPalette::ColorRole role, int colour) {
  QPalette pal = QToolTip::palette();
  pal.setColor(role, ToQColor(colour));
  QToolTip::setPalette(pal);
}

// Key ico: the application's icon; a file that cannot be read stops the building.
void SetIcon(const std::string& file) {
  const auto path = FindLooseFile(GetProgramPath(file));
  const QIcon icon = path ? QIcon(QString::fromStdString(*path)) : QIcon();
  if (icon.availableSizes().isEmpty()) throw std::runtime_error(msg::CannotOpenFile(file));
  QApplication::setWindowIcon(icon);
}

}  // namespace

const std::vector<TSkStract::RFormKey>& TSkStract::FormKeys() {
  using E = TSkStract;
  using V = TKeyValue;
  static const std::vector<RFormKey> keys = {
      {"caption", [](E& e, const V& v) { e.window_->setWindowTitle(ToQ(v.Text())); }},
      // Qt would append a display name to every caption; the title is what
      // the desktop's task list and the message boxes show.
      {"title", [](E&, const V& v) { qApp->setProperty("remontTitle", ToQ(v.Text())); }},
      {"but_help",
       [](E& e, const V& v) {
         e.window_->help_command = v.Text();
         e.window_->SetHelpButton(true);
       }},
      {"save_pos", [](E& e, const V& v) { e.save_position_ = v.Bool(); }},
      {"min_width", [](E& e, const V& v) { e.window_->setMinimumWidth(v.Number()); }},
      {"min_height", [](E& e, const V& v) { e.window_->setMinimumHeight(v.Number()); }},
      {"dialog", [](E& e, const V& v) { e.window_->SetDialog(v.Bool()); }},
      {"splash", [](E& e, const V& v) { e.ShowSplash(v.Text()); }},
      {"top", [](E& e, const V& v) { e.window_->move(e.window_->x(), v.Number()); }},
      {"left", [](E& e, const V& v) { e.window_->move(v.Number(), e.window_->y()); }},
      {"width", [](E& e, const V& v) { e.window_->resize(v.Number(), e.window_->height()); }},
      {"height", [](E& e, const V& v) { e.window_->resize(e.window_->width(), v.Number()); }},
      {"action", [](E& e, const V& v) { e.window_->start_command = v.Text(); }},
      {"reg_dat", [](E& e, const V& v) { e.reg_dat_ = v.Text(); }},
      {"visible", [](E& e, const V& v) { e.window_->setVisible(v.Bool()); }},
      {"size", [](E& e, const V& v) { e.window_->SetSizeable(v.Bool()); }},
      {"moving", [](E& e, const V& v) { e.window_->moving = v.Bool(); }},
      {"esc_close", [](E& e, const V& v) { e.window_->esc_close = v.Bool(); }},
      {"splash_close_auto", [](E& e, const V& v) { e.splash_auto_close_ = v.Bool(); }},
      {"hint_color", [](E&, const V& v) { SetHintColour(QPalette::ToolTipBase, v.Colour()); }},
      {"hint_font_color", [](E&, const V& v) { SetHintColour(QPalette::ToolTipText, v.Colour()); }},
      {"message_font",
       [](E& e, const V& v) {
         // The spec applied over the window's current message font.
         QWidget probe;
         probe.setFont(e.window_->message_font);
         e.window_->message_font = ApplyFontSpec(&probe, v.Text());
       }},
      {"help_id", [](E& e, const V& v) { e.help_topic_ = v.Text(); }},
      {"effect", [](E& e, const V& v) { e.window_->effect_name = v.Text(); }},
      {"but_max",
       [](E& e, const V& v) {
         std::string rest = v.Text();
         e.window_->but_max_maximised += CutToken(rest, "*") + ";";
         e.window_->but_max_normal += rest + ";";
       }},
      {"hide_caption", [](E& e, const V& v) { e.window_->SetHideCaption(v.Bool()); }},
      {"ico", [](E&, const V& v) { SetIcon(v.Text()); }},
      {"skin",
       [](E& e, const V& v) {
         std::string rest = v.Text();
         const std::string file = GetProgramPath(CutToken(rest, "*"));
         if (e.skin_->AddSkin(file))
           if (const auto* entry = e.skin_->FindSkin(file)) e.window_->setStyleSheet(entry->style_sheet);
         if (!rest.empty()) SetThemeObject(e.window_, rest);
       }},
      // The page colour is read by the build itself.
      {"color", [](E&, const V&) {}},
  };
  return keys;
}

std::vector<std::string_view> TSkStract::FormKeyNames() {
  std::vector<std::string_view> names;
  for (const RFormKey& k : FormKeys()) names.push_back(k.Name);
  return names;
}

}  // namespace remont
