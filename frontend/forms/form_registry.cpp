#include "form_registry.h"

#include <QCoreApplication>

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"

namespace orvane {

FormRegistry::FormRegistry(Module1& moduleData, ProgramStarter& engineStarter)
    : module(moduleData),
      starter(engineStarter),
      endHook_([](int status) { QCoreApplication::exit(status); }) {}

FormRegistry::~FormRegistry() = default;

Form3& FormRegistry::Title() {
  if (!form3_) form3_ = std::make_unique<Form3>(*this);
  return *form3_;
}

Form2* FormRegistry::Conditions() {
  if (!form2_) {
    auto form = std::make_unique<Form2>(*this);
    if (!form->Load()) {
      EndProgram(1);
      return nullptr;
    }
    form2_ = std::move(form);
  }
  return form2_.get();
}

Form1& FormRegistry::Distribution() {
  if (!form1_) {
    form1_ = std::make_unique<Form1>(*this);
    form1_->Load();
  }
  return *form1_;
}

Form4& FormRegistry::Notice() {
  if (!form4_) form4_ = std::make_unique<Form4>(*this);
  return *form4_;
}

void FormRegistry::EndProgram(int status) {
  if (form1_) form1_->hide();
  if (form2_) form2_->hide();
  if (form3_) form3_->hide();
  if (form4_) form4_->hide();
  endHook_(status);
}

}  // namespace orvane
