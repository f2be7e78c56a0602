// Orvane-Calc: the field calculation, run in the working folder without arguments.
#include <unistd.h>

#include <iostream>
#include <string>

#include "run.h"

int main() {
  try {
    orvane::RunEngine(std::cin, std::cout);
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "Orvane-Calc: " << e.what() << '\n';
    // In a console window of its own the message would vanish with the window: keep it until Enter.
    if (isatty(STDIN_FILENO) && isatty(STDERR_FILENO)) {
      std::cerr << "Orvane-Calc: the calculation was not done. Press Enter to close this window.\n";
      std::string answer;
      std::getline(std::cin, answer);
    }
    return 1;
  }
  return 0;
}
