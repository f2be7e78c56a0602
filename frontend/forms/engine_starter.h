#pragma once
// Starting the calculation engine "Orvane-Calc" from the working folder, without arguments and
// without waiting for it. The forms use the interface; tests put in a starter of their own.
#include <QString>

namespace orvane {

inline constexpr const char* kEngineProgram = "Orvane-Calc";

struct StartResult {
  bool started = false;
  QString problem;  // when not started: what failed and what to do
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual StartResult StartEngine() = 0;
};

// Starts the engine in a console window of its own that takes the focus: the desktop's
// x-terminal-emulator, else xterm (with a Japanese-capable face so the engine's lines are readable).
class ConsoleStarter : public ProgramStarter {
 public:
  StartResult StartEngine() override;
};

}  // namespace orvane
