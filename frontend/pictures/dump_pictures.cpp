// Saves every built-in picture as PNG into a folder (small ones also enlarged), for looking at them:
// orvane-pictures-dump [folder]
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "pictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
  const QDir dir(folder);
  const struct {
    const char* file;
    QPixmap picture;
  } pictures[] = {
      {"smiley32.png", orvane::SmileyIcon().pixmap(32, 32)},
      {"smiley16.png", orvane::SmileyIcon().pixmap(16, 16)},
      {"exit_sign.png", orvane::ExitSignPicture()},
      {"puppy.png", orvane::PuppyPicture()},
      {"geometry_schematic.png", orvane::GeometrySchematic()},
      {"cathode_side.png", orvane::CathodeSidePicture()},
      {"anode_side.png", orvane::AnodeSidePicture()},
  };
  int failures = 0;
  for (const auto& [file, picture] : pictures) {
    const QString path = dir.filePath(file);
    if (!picture.save(path, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    }
    // Small pictures also enlarged eight times, pixel for pixel, so their pixels can be seen.
    if (picture.width() <= 64) {
      const QPixmap enlarged =
          picture.scaled(picture.size() * 8, Qt::KeepAspectRatio, Qt::FastTransformation);
      const QString bigPath = dir.filePath(QString("x8_") + file);
      if (!enlarged.save(bigPath, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(bigPath));
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
