// generate-attenuation-table NIST_AIR_TSV OUTPUT: writes the attenuation table "MUs-OV.dat".
#include <iostream>

#include "attenuation_generator.h"
#include "text_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: generate-attenuation-table air-mass-energy-absorption-nist.tsv MUs-OV.dat\n";
    return 2;
  }
  try {
    const auto table = orvane::GenerateAttenuationTable(argv[1]);
    orvane::WriteFileAtomically(argv[2], orvane::FormatAttenuationTable(table));
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
