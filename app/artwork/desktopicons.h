// The application's icon and the icon of JSB documents, as the desktop shows
// them in menus, file managers and task bars.
#pragma once

#include <QString>

// Writes NAME-PIXELS.png for every size the icon theme asks for at single and
// double scale (the drawing does not depend on the scale, so a 16-pixel icon
// at double scale is NAME-32.png), and NAME.svg for any other size, for NAME
// corvane and jsb.
void DrawDesktopIcons(const QString& Folder);
