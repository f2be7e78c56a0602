#pragma once
// One complete run of the calculation engine in the current folder.
#include <istream>
#include <ostream>

namespace orvane {

// Prints the start lines, reads the inputs, writes "Beam_Axis.dat" and "Result.dat", prints the end
// lines, waits for one line of `in` and says goodbye. Throws FileError or std::runtime_error when an
// input is missing, unreadable or outside the model; files not yet written keep their old content.
void RunEngine(std::istream& in, std::ostream& out);

}  // namespace orvane
