#include "pages/PreviewRules.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace remont {

const char* const kZoomChoices[12] = {"Страница целиком", "По ширине страницы", "Вручную", "25%", "50%", "75%",
                                      "100%", "125%", "150%", "200%", "300%", "400%"};

double FixedZoom(int choice) {
  static const double kFactors[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
  return choice >= 3 && choice <= 11 ? kFactors[choice - 3] : 1.0;
}

RPreviewLayout LayoutPreview(const RPreviewInput& in) {
  RPreviewLayout out;
  const double w = in.client_width - 20;
  const double h = in.client_height - 20;
  const int choice = in.choice == -1 ? 0 : in.choice;
  const double by_height = h / in.ppi / in.paper_height;
  const double by_width = w / in.ppi / in.paper_width;
  double z = 1.0;
  if (!in.has_zoom_list || choice == 0) z = std::min(by_height, by_width);
  else if (choice == 1) z = by_width;
  else if (choice == 2) z = in.current_zoom;
  else z = FixedZoom(choice);
  out.one_page_forced = !in.has_zoom_list || choice == 0 || choice == 1;
  const bool two = in.two_pages && !out.one_page_forced;
  out.page_height = static_cast<int>(in.ppi * z * in.paper_height);
  out.page_width = static_cast<int>(in.ppi * z * in.paper_width);
  out.page2_visible = two;
  const int total = out.page_width + 20 + (two ? out.page_width + 20 : 0);
  out.holder_height = out.page_height + 20;
  if (out.holder_height < in.client_height) out.holder_height = in.client_height - 1;
  out.holder_width = total;
  if (out.holder_width < in.client_width) out.holder_width = in.client_width - 1;
  out.page_top = out.page_height + 20 < out.holder_height ? out.holder_height / 2 - out.page_height / 2 : 10;
  out.page1_left = total < out.holder_width ? out.holder_width / 2 - (total - 20) / 2 : 10;
  out.page2_left = out.page1_left + out.page_width + 20;
  out.zoom = z;
  return out;
}

double NextPrintScale(double scale, bool right_button) {
  if (right_button) return 100 / scale > 50 ? scale * 1.25 : scale;
  return 100 / scale < 150 ? scale / 1.25 : scale;
}

double NextViewZoom(double zoom, bool left_button) {
  if (left_button) return zoom < 20 ? zoom * 1.25 : zoom;
  return zoom > 0.1 ? zoom / 1.25 : zoom;
}

int PageNumberX(int page_width, int text_width, double print_scale) {
  return page_width - 5 - static_cast<int>(std::lround(text_width * print_scale));
}

int PageNumberY(double print_scale) { return static_cast<int>(std::lround(30 * print_scale)) + 10; }

std::string FillTemplate(const std::string& format, const double* values, int count) {
  std::string out;
  int next = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    // "%%", "%d", "%s", "%f", "%g", "%.Nf".
    size_t j = i + 1;
    if (format[j] == '%') {
      out += '%';
      i = j;
      continue;
    }
    int precision = -1;
    if (format[j] == '.' && j + 1 < format.size() && std::isdigit(static_cast<unsigned char>(format[j + 1]))) {
      precision = format[j + 1] - '0';
      j += 2;
    }
    if (j >= format.size() || next >= count || std::string("dsfg").find(format[j]) == std::string::npos) {
      out += format[i];
      continue;
    }
    const double v = values[next++];
    char buf[64];
    if (format[j] == 'd' || format[j] == 's') std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(std::llround(v)));
    else if (format[j] == 'f') std::snprintf(buf, sizeof buf, "%.*f", precision < 0 ? 6 : precision, v);
    else std::snprintf(buf, sizeof buf, "%g", v);
    out += buf;
    i = j;
  }
  return out;
}

}  // namespace remont
