#include "form_window.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvane::toolkit {

FormWindow::FormWindow(const char* formName, const QString& title, int clientWidthTwips,
                       int clientHeightTwips, FrameStyle frame, const QFont& font)
    : QWidget(nullptr) {
  setObjectName(QString::fromLatin1(formName));
  setWindowTitle(title);
  setFont(font);
  setFixedSize(ToPixels(clientWidthTwips, clientHeightTwips));
  setAutoFillBackground(true);
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
  // A dialog frame keeps the window out of the task bar on desktops that honour the hint.
  flags |= (frame == FrameStyle::FixedDialog) ? Qt::Dialog : Qt::Window;
  setWindowFlags(flags);
}

void FormWindow::ShowForm() {
  if (!placed_) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect frame = geometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
}

}  // namespace orvane::toolkit
