#pragma once
// The pictures the forms show, from the program's picture library when it is built in;
// empty pictures otherwise, so the forms still lay out.
#include <QIcon>
#include <QPixmap>

#ifdef ORVANE_HAVE_PICTURES
#include "pictures.h"
#else
namespace orvane {
inline QIcon SmileyIcon() { return QIcon(); }
inline QPixmap ExitSignPicture() { return QPixmap(); }
inline QPixmap PuppyPicture() { return QPixmap(); }
inline QPixmap GeometrySchematic(QSize = QSize(269, 397)) { return QPixmap(); }
inline QPixmap CathodeSidePicture() { return QPixmap(); }
inline QPixmap AnodeSidePicture() { return QPixmap(); }
}  // namespace orvane
#endif
