#include "message.h"

#include <QMessageBox>

namespace orvane::toolkit {

void ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.exec();
}

void ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Orvane"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("ErrorBox"));
  box.exec();
}

}  // namespace orvane::toolkit
