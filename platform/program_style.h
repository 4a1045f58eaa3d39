#pragma once
// The widget style of the programs (platform/ only): one of Qt's styles, whose overflow icons of
// the menu bar and the tool bars are made when they are first shown, and read as the PNG images
// they are. Every menu bar and tool bar asks its style for that icon when it is made; the style's
// own reading guesses the format and loads every image-format plug-in of the system first, at
// each program's start or at its first paint where a bar is too narrow for its items.
#include <QString>

class QStyle;

namespace plat::detail {

// The style of that name (QStyleFactory's keys: "Fusion", "Windows", ...); nullptr for an
// unknown name. The application takes it over.
QStyle* MakeProgramStyle(const QString& name);

// Makes the style the application object made at its start (the platform's default) the
// programs' style, without making another one.
void UseProgramStyle();

// The name of the Qt style underneath a style, lower case ("fusion").
QString StyleName(const QStyle* style);

}  // namespace plat::detail
