// toolbar_icons.h — the pictures of the tool bars' own buttons (paragraph,
// drawing, line spacing, colours), drawn here so that the bars look the same
// on every desktop theme.
#pragma once

#include <QColor>
#include <QIcon>

namespace vendaro {

// 0 left, 1 centred, 2 right, 3 justified: lines set the way the button sets text.
QIcon alignmentIcon(int alignment);
// Dots (bullets) or digits (numbering) before short lines.
QIcon listIcon(bool numbered);
// The drawing tool bar's insert modes: 1 text box, 2 rectangle, 3 ellipse,
// 4 slanted, 5 horizontal, 6 vertical line, 7 picture frame.
QIcon insertModeIcon(int mode);
// Single (0), one and a half (1) and double (2) line spacing.
QIcon lineSpacingIcon(int step);
// A colour button: its sign over a bar of the colour it applies.
enum class ColourButtonKind { text, textBack, fill, line };
QIcon colourButtonIcon(ColourButtonKind kind, const QColor& colour);
// Lines of growing width.
QIcon lineWidthIcon();

}  // namespace vendaro
