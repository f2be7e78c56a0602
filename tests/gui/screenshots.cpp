// Takes pictures of the forms as the user first sees them: Form3, then Form2 after "スタート" and
// one press of "Ｘ線スペクトル", Form1 and Form4 empty. Runs in a folder holding "MUs-OV.dat";
// writes form3.png, form2.png, form1.png and form4.png into the folder named on the command line.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <memory>

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form_registry.h"

namespace {

class NoStarter : public orvane::ProgramStarter {
 public:
  orvane::StartResult StartEngine() override { return {false, QStringLiteral("not started")}; }
};

bool Save(QWidget& form, const QDir& folder, const char* file) {
  QTest::qWait(200);
  const QPixmap picture = form.grab();
  const bool saved = picture.save(folder.filePath(QString::fromLatin1(file)));
  if (!saved) std::fprintf(stderr, "cannot write %s\n", file);
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvane-screenshots OUTPUT-FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  auto module = std::make_unique<orvane::Module1>();
  NoStarter starter;
  orvane::FormRegistry forms(*module, starter);

  forms.Title().ShowForm();
  bool ok = Save(forms.Title(), folder, "form3.png");
  forms.Title().Command1->click();
  orvane::Form2* form2 = forms.ConditionsIfCreated();
  if (!form2) return 1;
  form2->Command1->click();
  ok = Save(*form2, folder, "form2.png") && ok;
  forms.Distribution().ShowForm();
  ok = Save(forms.Distribution(), folder, "form1.png") && ok;
  forms.Notice().ShowForm();
  ok = Save(forms.Notice(), folder, "form4.png") && ok;
  return ok ? 0 : 1;
}
