// What the contents tree and the title label see of the page view they follow:
// the keys link_html and html_title name an html element, which then keeps the
// tree on the page shown and writes the page's title into the label.
#pragma once

namespace remont {

class TSkLabel;
class TSkTree;

class THtmlLinks {
 public:
  virtual ~THtmlLinks() = default;
  virtual void SetContentsTree(TSkTree* tree) = 0;
  virtual void SetTitleLabel(TSkLabel* label) = 0;
};

}  // namespace remont
