// Orvane: the interactive front end. Starts with the title form; the exit buttons end it.
#include <QApplication>
#include <memory>

#include "engine_starter.h"
#include "form3.h"
#include "form_pictures.h"
#include "form_registry.h"
#include "module1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setApplicationName(QStringLiteral("Orvane"));
  QApplication::setWindowIcon(orvane::SmileyIcon());

  auto module = std::make_unique<orvane::Module1>();  // about half a megabyte: on the heap
  orvane::ConsoleStarter starter;
  orvane::FormRegistry forms(*module, starter);
  forms.Title().ShowForm();
  return QApplication::exec();
}
