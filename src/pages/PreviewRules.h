// The print preview's arithmetic, without a window: the zoom list, where the
// sheets lie in the scroll area, the clicks that zoom the view or change the
// print scale, the page number's place, and the indicator texts.
#pragma once

#include <string>

namespace remont {

// The zoom list: 0 whole page, 1 page width, 2 as set by clicks, 3..11 fixed
// factors (25 % .. 400 %); any other choice is 1.0.
double FixedZoom(int choice);  // the factor of choices 3..11, else 1.0
extern const char* const kZoomChoices[12];  // the list's texts, UTF-8

struct RPreviewInput {
  int client_width = 0;   // the scroll area's client size
  int client_height = 0;
  double ppi = 96;        // the window's pixels per inch
  double paper_width = 8.27;   // inches
  double paper_height = 11.69;
  int choice = 1;         // the zoom list's choice (-1 counts as 0)
  bool has_zoom_list = true;
  double current_zoom = 1.0;
  bool two_pages = false;
};

struct RPreviewLayout {
  double zoom = 1.0;
  int page_width = 0, page_height = 0;  // each sheet
  int holder_width = 0, holder_height = 0;
  int page1_left = 0, page_top = 0;
  int page2_left = 0;
  bool page2_visible = false;
  bool one_page_forced = false;  // choices 0 and 1 show one sheet
};

// Steps 2 to 7 of the preview's layout.
RPreviewLayout LayoutPreview(const RPreviewInput& in);

// A click in print-zoom mode: the right button prints smaller (scale x 1.25)
// while the printed size is above 50 %, the left one larger (scale / 1.25)
// while it is below 150 %. Returns the new scale (the same when unchanged).
double NextPrintScale(double scale, bool right_button);
// A click in zoom mode: the left button enlarges (x 1.25) below 20, the right
// one reduces (/ 1.25) above 0.1.
double NextViewZoom(double zoom, bool left_button);

// The page number's place in a page of the given printable width, for a text
// of the given width, at the print scale.
int PageNumberX(int page_width, int text_width, double print_scale);
int PageNumberY(double print_scale);

// A caption that serves as a format template: "%d" takes the next integer,
// "%f", "%.Nf" and "%g" the next number, "%%" is "%"; anything else stays.
std::string FillTemplate(const std::string& format, const double* values, int count);

}  // namespace remont
