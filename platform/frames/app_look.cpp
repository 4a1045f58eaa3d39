#include "platform/frames/app_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include "platform/frames/command_ids.h"
#include "platform/program_style.h"

namespace plat {

namespace {

int applied_look = static_cast<int>(ID_VIEW_APPLOOK_OFF_2007_BLUE);

QPalette SchemePalette(const std::string& scheme, const QPalette& standard) {
  const auto tinted = [&](QColor window, QColor button, QColor highlight, QColor text) {
    QPalette p = standard;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    return p;
  };
  if (scheme == "blue") return tinted(QColor(214, 227, 242), QColor(196, 215, 238), QColor(51, 102, 187), Qt::black);
  if (scheme == "black") {
    QPalette p = tinted(QColor(83, 83, 83), QColor(65, 65, 65), QColor(255, 165, 0), QColor(235, 235, 235));
    p.setColor(QPalette::Base, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(235, 235, 235));
    return p;
  }
  if (scheme == "silver") return tinted(QColor(225, 229, 235), QColor(208, 212, 221), QColor(112, 128, 144), Qt::black);
  if (scheme == "aqua") return tinted(QColor(213, 235, 240), QColor(190, 222, 230), QColor(0, 139, 160), Qt::black);
  return standard;
}

}  // namespace

LookStyle StyleOfLook(int look) {
  switch (look) {
    case ID_VIEW_APPLOOK_WIN_2000:
    case ID_VIEW_APPLOOK_OFF_XP:
    case ID_VIEW_APPLOOK_WIN_XP:
    case ID_VIEW_APPLOOK_OFF_2003: return {"Windows", "default"};
    case ID_VIEW_APPLOOK_VS_2005:
    case ID_VIEW_APPLOOK_VS_2008:
    case ID_VIEW_APPLOOK_WINDOWS_7: return {"Fusion", "default"};
    case ID_VIEW_APPLOOK_OFF_2007_BLACK: return {"Fusion", "black"};
    case ID_VIEW_APPLOOK_OFF_2007_SILVER: return {"Fusion", "silver"};
    case ID_VIEW_APPLOOK_OFF_2007_AQUA: return {"Fusion", "aqua"};
    default: return {"Fusion", "blue"};
  }
}

void ApplyApplicationLook(int look) {
  applied_look = look;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  const LookStyle wanted = StyleOfLook(look);
  // A style or palette set again unchanged would still polish every widget anew (each start
  // applies the stored look).
  const QString name = QString::fromStdString(wanted.style);
  if (detail::StyleName(QApplication::style()) != name.toLower()) {
    if (QStyle* style = detail::MakeProgramStyle(name)) QApplication::setStyle(style);  // taken over
  }
  const QPalette palette = SchemePalette(wanted.scheme, QApplication::style()->standardPalette());
  if (palette != QApplication::palette()) QApplication::setPalette(palette);
}

int CurrentApplicationLook() { return applied_look; }

}  // namespace plat
