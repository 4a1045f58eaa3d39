#include "loads/picture/title_block.h"

#include <string>

namespace pundf::picture {

void DrawTitleBlock(plat::Dc& dc, std::string_view position, std::string_view title) {
  const int width = dc.GetDeviceCaps(plat::HORZRES);
  const int height = dc.GetDeviceCaps(plat::VERTRES);
  const double fx = width / 3383.0, fy = height / 2363.0;
  const int mx = static_cast<int>(2 * fx + 0.5), my = static_cast<int>(2 * fy + 0.5);
  const int offset = width > height ? static_cast<int>(100 * fx) : 0;
  const plat::Point frame[] = {{offset + mx, my}, {width - mx, my}, {width - mx, height - my},
                               {offset + mx, height - my}, {offset + mx, my}};
  dc.Polyline(frame);
  const int line_y = static_cast<int>(150 * fy);
  dc.MoveTo(offset + mx, line_y);
  dc.LineTo(width - mx, line_y);

  const std::string text = "Pos. " + std::string(position) + "  " + std::string(title);
  const int half_chars = static_cast<int>(text.size()) / 2;
  const int char_width = dc.GetTextMetrics().ave_char_width;
  const int x = static_cast<int>((1650 - half_chars * char_width) * fx + 0.5) + offset;
  dc.SetTextAlign(plat::TA_LEFT | plat::TA_TOP);
  dc.TextOut(x, static_cast<int>(50 * fy + 0.5), text);
}

}  // namespace pundf::picture
