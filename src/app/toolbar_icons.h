// toolbar_icons.h — the pictures of the formatting tool bar's paragraph
// buttons, drawn here so that the bar looks the same on every desktop theme.
#pragma once

#include <QIcon>

namespace vendaro {

// 0 left, 1 centred, 2 right, 3 justified: lines set the way the button sets text.
QIcon alignmentIcon(int alignment);
// Dots (bullets) or digits (numbering) before short lines.
QIcon listIcon(bool numbered);

}  // namespace vendaro
