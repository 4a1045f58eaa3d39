#include "grid/grid_colours.h"

#include "platform/dc/gdi_objects.h"

namespace grid {

SystemColours SystemColours::Current() {
  return SystemColours{plat::GetSysColor(plat::COLOR_WINDOWTEXT), plat::GetSysColor(plat::COLOR_WINDOW),
                       plat::GetSysColor(plat::COLOR_3DFACE), plat::GetSysColor(plat::COLOR_3DSHADOW)};
}

GridColours GridColours::From(const SystemColours& system) {
  GridColours c;
  c.text = system.window_text;
  c.text_background = system.window;
  c.background = system.shadow;
  c.fixed_text = system.window_text;
  c.fixed_background = system.face;
  c.grid_lines = plat::Rgb(0, 0, 0);
  return c;
}

namespace {
void Follow(plat::ColorRef& colour, plat::ColorRef before, plat::ColorRef now) {
  if (colour == before) colour = now;
}
}  // namespace

void FollowSystemColours(GridColours& colours, const SystemColours& before, const SystemColours& now) {
  Follow(colours.text, before.window_text, now.window_text);
  Follow(colours.fixed_text, before.window_text, now.window_text);
  Follow(colours.text_background, before.window, now.window);
  Follow(colours.background, before.shadow, now.shadow);
  Follow(colours.fixed_background, before.face, now.face);
}

}  // namespace grid
