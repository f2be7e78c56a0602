#include "form2.h"

#include <QCloseEvent>
#include <QDir>
#include <exception>

#include "condition_texts.h"
#include "file_error.h"
#include "form2_spectrum_graph.h"
#include "form_pictures.h"
#include "form_registry.h"
#include "layout_font.h"
#include "message.h"
#include "result_loading.h"

namespace orvane {

using namespace toolkit;

namespace {

const char* const kWaitMessage = "  ***  計算が終わるまで、そのままお待ちください";

QString FromUtf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

Form2::Form2(FormRegistry& registry)
    : FormWindow("Form2", QStringLiteral("   X-ray spectrum by Tucker's formula"), 16485, 7095,
                 FrameStyle::FixedSingle, LayoutFont("Times New Roman", 9.75)),
      registry_(registry) {
  setWindowIcon(SmileyIcon());
  BuildLayout();
  connect(Command1, &QPushButton::clicked, this, &Form2::Command1Click);
  connect(Command2, &QPushButton::clicked, this, &Form2::Command2Click);
  connect(Command3, &QPushButton::clicked, this, &Form2::Command3Click);
  connect(Command4, &QPushButton::clicked, this, &Form2::Command4Click);
  connect(Command6, &QPushButton::clicked, this, &Form2::Command6Click);
}

std::string Form2::Text(int box) const { return TextBox.at(box)->text().toStdString(); }

void Form2::SetText(int box, const std::string& text) {
  TextBox.at(box)->setText(QString::fromStdString(text));
}

bool Form2::Load() {
  try {
    ReadAttenuationTable(registry_.module);
  } catch (const std::exception& error) {
    ShowError(nullptr, QStringLiteral("The attenuation table could not be read:\n%1\n\n"
                                      "Put a complete \"MUs-OV.dat\" into the working folder\n%2\n"
                                      "and start Orvane again.")
                           .arg(FromUtf8(error.what()), QDir::currentPath()));
    return false;
  }
  DrawSpectrumAxes(*Picture3);
  SetText(kVoltageBox, kDefaultVoltageText);
  SetText(kInherentBox, kDefaultInherentText);
  SetText(kAddedAlBox, kDefaultAddedAlText);
  SetText(kAddedCuBox, kDefaultAddedCuText);
  SetText(kAngleBox, kDefaultAngleText);
  return true;
}

// "Ｘ線スペクトル": conditions into range, the beam-axis spectrum ("B_SPCTL.dat"), "B2F.dat", then
// the red step curve over whatever curves are already there. Files are written before anything is
// drawn, so a failure leaves the graph as it was.
void Form2::Command1Click() {
  Module1& module = registry_.module;
  try {
    ClampConditions(*this);
    for (int bin = 1; bin <= kBins; ++bin) module.PhotonSpectrum[bin] = 0;
    module.PointX = 0;
    module.PointY = 0;
    module.SpectrumMode = 1;
    SpectrumModel(module, *this);
    WriteRunParametersFromBoxes(*this);
  } catch (const ModelError& error) {
    ShowError(this, QStringLiteral("No spectrum for these conditions:\n%1\n\nChange the conditions and press "
                                   "\"Ｘ線スペクトル\" again.")
                        .arg(FromUtf8(error.what())));
    return;
  } catch (const std::exception& error) {
    ShowError(this,
              QStringLiteral("The input files of the calculation could not be written:\n%1\n\n"
                             "Make the working folder\n%2\nwritable and press \"Ｘ線スペクトル\" again.")
                  .arg(FromUtf8(error.what()), QDir::currentPath()));
    return;
  }
  DrawModelSpectrumCurve(*Picture3, module);
  Command6->setFocus();
}

// "リセット": an empty graph again.
void Form2::Command3Click() {
  Picture3->Clear();
  DrawSpectrumAxes(*Picture3);
}

// "照射野内分布の計算": the engine in its own console window, then the request to wait.
void Form2::Command6Click() {
  StartResult result;
  try {
    result = registry_.starter.StartEngine();
  } catch (const std::exception& error) {
    result = {false, FromUtf8(error.what())};
  }
  if (!result.started) {
    ShowError(this, result.problem);
    return;
  }
  ShowMessage(this, FromUtf8(kWaitMessage));
  Command4->setFocus();
}

// "計算結果の表示".
void Form2::Command4Click() {
  try {
    LoadResults(registry_.module, *this, registry_);
  } catch (const std::exception& error) {
    ShowError(this, FromUtf8(error.what()));
  }
}

void Form2::Command2Click() { registry_.EndProgram(0); }

// The close box of the conditions form ends the program like its exit button: no other form can
// bring it back.
void Form2::closeEvent(QCloseEvent* event) {
  event->accept();
  registry_.EndProgram(0);
}

}  // namespace orvane
