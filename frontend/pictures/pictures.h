// The program's built-in pictures, painted by code: nothing is read from files.
// All of them need a QGuiApplication (QPixmap lives on the GUI side).
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace orvane {

// Window icon of every form: a yellow smiley face, 32 x 32 and 16 x 16 pixels.
QIcon SmileyIcon();

// Face of the exit buttons, 32 x 32: a green emergency-exit sign, white 出口 and an arrow up and to the left.
QPixmap ExitSignPicture();

// Decoration of the puppy boxes, 32 x 32: a small brown dog on blue (0, 0, 255).
QPixmap PuppyPicture();

// Natural size of the geometry schematic: 4036 x 5961 twips at 15 twips per pixel.
inline constexpr QSize kGeometrySchematicSize{269, 397};

// The irradiation geometry on white: focal spot, filter, beam cone, the 30 x 30 cm field at 100 cm.
QPixmap GeometrySchematic(QSize size = kGeometrySchematicSize);

// Size of the vertical side labels beside the distribution image and the profile.
inline constexpr QSize kSideLabelSize{26, 116};

// "Cathode side" / "Anode side" in italic serif, reading upward, black on the dialog face colour.
QPixmap CathodeSidePicture();
QPixmap AnodeSidePicture();

}  // namespace orvane
