#pragma once
// The forms of the program, created on first use and then kept (hiding keeps their texts and
// drawings). Owned by main together with Module1 and the engine starter.
#include <functional>
#include <memory>

#include "engine_starter.h"
#include "module1.h"

namespace orvane {

class Form1;
class Form2;
class Form3;
class Form4;

class FormRegistry {
 public:
  FormRegistry(Module1& module, ProgramStarter& starter);
  ~FormRegistry();
  FormRegistry(const FormRegistry&) = delete;
  FormRegistry& operator=(const FormRegistry&) = delete;

  Form3& Title();
  // Creates Form2 and runs its load handling the first time. When loading fails the user has been
  // told why, the form is dropped, the program is ended and nullptr is returned.
  Form2* Conditions();
  Form1& Distribution();  // runs Form1's load handling the first time
  Form4& Notice();

  Form1* DistributionIfCreated() const { return form1_.get(); }
  Form2* ConditionsIfCreated() const { return form2_.get(); }
  Form4* NoticeIfCreated() const { return form4_.get(); }

  // Hides every form and ends the program with `status`; nothing is asked, nothing saved.
  void EndProgram(int status);
  // How the program ends; QCoreApplication::exit by default, replaced by tests.
  void SetEndProgramHook(std::function<void(int)> hook) { endHook_ = std::move(hook); }

  Module1& module;
  ProgramStarter& starter;

 private:
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  std::unique_ptr<Form4> form4_;
  std::function<void(int)> endHook_;
};

}  // namespace orvane
