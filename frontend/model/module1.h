#pragma once
// Module1: the data that the front end's forms share. Plain data, no Qt; every value starts as 0.
// Spectral arrays are indexed by bin 1..300 (energy 0.5*i keV); index 0 is never used.
#include "bins.h"

namespace orvane {

struct Module1 {
  // Attenuation table, read from "MUs-OV.dat" when Form2 loads.
  BinArray<double> MuTarget{};  // tungsten, 1/cm
  BinArray<double> MuAl{};      // aluminium, 1/cm
  BinArray<double> MuCu{};      // copper, 1/cm
  BinArray<double> MuEnAir{};   // air energy absorption; only a weight

  BinArray<double> EmittedSpectrum{};  // leaving the target, before filtration, unnormalised
  BinArray<double> PhotonSpectrum{};   // model's filtered spectrum, or the engine's relative axis spectrum

  double PointX = 0;            // cm, anode side positive
  double PointY = 0;            // cm
  int SpectrumMode = 0;         // 1 = beam axis (writes "B_SPCTL.dat"), 2 = point only
  double SpectrumPeak = 0;      // largest PhotonSpectrum value of the last model run
  double AxisSpectrumPeak = 0;  // peak as returned in "Beam_Axis.dat"
  double AxisHvl = 0;           // beam-axis aluminium HVL, mm
  int DistributionShown = 0;    // 1 once a distribution is drawn on Form1

  FieldGridOf<double> PhotonFluenceGrid{};
  FieldGridOf<double> EnergyFluenceGrid{};
  FieldGridOf<double> AirKermaGrid{};
  FieldGridOf<double> HvlGrid{};
  FieldGridOf<double> DisplayGrid{};
};

// Reads "MUs-OV.dat" from the working folder free-form (1500 numbers, the energies dropped).
// Throws FileError naming the file and what is missing; the table in `m` is unchanged on failure.
void ReadAttenuationTable(Module1& m);

}  // namespace orvane
