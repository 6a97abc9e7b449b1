// What the basic controls share on the Qt side: colours in the system's
// encoding, the theme-object and hint flags, the anchor of a raised command,
// font specs, alignment and anchors that follow the container, and centring.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/HelpAction.h"
#include "elements/AlignRules.h"
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

// Alignment in the container (the align key). Setting it lays the container
// out at once; none and custom leave the element where it is.
void SetAlign(QWidget* element, EAlign align);
EAlign GetAlign(const QWidget* element);
// After an element's geometry or visibility changed under the program's own
// hand (keys, commands): its container is laid out again when it is aligned.
void RequestAlign(QWidget* element);
// Lays out the aligned and anchored children of a container, and of the
// containers inside it, from its current size.
void RelayoutChildren(QWidget* container);

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

// Keeps the children of one container in place: the aligned ones by the
// alignment rules, then the anchored ones by their anchors. Made on demand;
// runs whenever the container is resized, and whenever an aligned child is
// resized, moved, shown or hidden. Children of a container that is not shown
// get no events from Qt yet, so the program also asks for the layout itself
// (RequestAlign, RelayoutChildren).
class TChildLayout : public QObject {
  Q_OBJECT

 public:
  static TChildLayout* For(QWidget* container);
  static TChildLayout* Find(const QWidget* container);

  void SetAnchors(QWidget* child, const TAnchors& anchors);
  TAnchors Anchors(const QWidget* child) const;
  void SetAlign(QWidget* child, EAlign align);
  EAlign Align(const QWidget* child) const;
  // The aligned children (creation order) as the alignment rules see them.
  std::vector<QWidget*> AlignedChildren() const;
  std::vector<RAlignChild> Describe(const std::vector<QWidget*>& children) const;
  // Aligned children, then anchored ones; nested containers follow.
  void Relayout();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit TChildLayout(QWidget* container);
  struct Anchored {
    TAnchors anchors;
    TRect rect;        // taken at this container client size
    QSize parent_size;
  };
  void Watch(QWidget* child);
  void Capture(QWidget* child, Anchored& e);
  void Realign();
  void Follow();
  void Place(QWidget* child, const TRect& r);

  QWidget* container_;
  std::map<QWidget*, Anchored> anchored_;
  std::map<QWidget*, EAlign> aligned_;
  bool laying_out_ = false;
};

}  // namespace remont
