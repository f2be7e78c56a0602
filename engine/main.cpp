// Orvane-Calc: the field calculation, run in the working folder without arguments.
#include <iostream>

#include "run.h"

int main() {
  try {
    orvane::RunEngine(std::cin, std::cout);
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "Orvane-Calc: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
