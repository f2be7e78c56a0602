#include "module1.h"

#include "attenuation_table.h"

namespace orvane {

void ReadAttenuationTable(Module1& m) {
  // The whole table is read (and may throw) before anything in `m` changes.
  const AttenuationTableOf<double> table = ReadAttenuationTableFree(kAttenuationTableFile);
  m.MuTarget = table.muTarget;
  m.MuAl = table.muAl;
  m.MuCu = table.muCu;
  m.MuEnAir = table.muEnAir;
}

}  // namespace orvane
