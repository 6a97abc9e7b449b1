// What the basic controls share on the Qt side: colours in the system's
// encoding, the theme-object and hint flags, the anchor of a raised command,
// font specs, anchors that follow the parent, and centring.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "description/HelpAction.h"
#include "elements/ControlRules.h"

namespace remont {

// A colour number with red in the low byte.
QColor ToQColor(int colour);

// The skin part an element is drawn with (dynamic property "themeObject").
void SetThemeObject(QWidget* element, const std::string& name);
// Whether the element shows its hint (dynamic property "showHint").
void SetShowHint(QWidget* element, bool on);

// The request an element raises: its action and, for buttons, its height and
// the screen position of its client origin.
RHelpAction ActionWithAnchor(const QWidget* element, const std::string& action);

// The element's own visibility, whatever its parent's: true unless it has
// been hidden (a child made into a shown window counts as visible).
bool ElementVisible(const QWidget* element);
// Inverts it.
void InvertVisible(QWidget* element);

// The parent's client size (where children are placed) and its outer size.
QSize ClientSize(const QWidget* parent);
QSize OuterSize(const QWidget* parent);

// Applies a font spec (ParseFont) to the element's font and text colour and
// returns the font. Throws ConvertError like ParseFont.
QFont ApplyFontSpec(QWidget* element, const std::string& spec);

// Anchors: an anchored element keeps its distances to its parent's edges as
// the parent is resized. Setting empty anchors lets the element stay put.
void SetAnchors(QWidget* element, const TAnchors& anchors);
TAnchors GetAnchors(const QWidget* element);

// Panels and parent panels: centring in the parent, kept after every resize
// of the window through Recenter.
class TCentring {
 public:
  virtual ~TCentring() = default;
  bool CenterHorz() const { return center_horz_; }
  bool CenterVert() const { return center_vert_; }
  void SetCenterHorz(bool on);
  void SetCenterVert(bool on);
  void Recenter();

 protected:
  virtual QWidget* CentredWidget() = 0;

 private:
  bool center_horz_ = false;
  bool center_vert_ = false;
};

// The anchor key on a Qt element: position, size and anchors (ApplyAnchor);
// a panel asked to centre is given SetCenterHorz/Vert. Throws ConvertError.
void ApplyAnchorKey(QWidget* element, const std::string& spec);

// A mouse-down hook (the window's drag handler when its moving key is on).
using MouseDownHandler = std::function<void(Qt::MouseButton)>;

// Keeps the anchored children of one parent in place; made on demand.
class TAnchorKeeper : public QObject {
  Q_OBJECT

 public:
  static TAnchorKeeper* For(QWidget* parent);
  void Set(QWidget* child, const TAnchors& anchors);
  TAnchors Get(const QWidget* child) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit TAnchorKeeper(QWidget* parent);
  struct Entry {
    TAnchors anchors;
    TRect rect;        // taken at this parent client size
    QSize parent_size;
  };
  void Capture(QWidget* child, Entry& e);
  void Follow();

  QWidget* parent_;
  std::map<QWidget*, Entry> entries_;
  bool moving_ = false;
};

}  // namespace remont
