#pragma once
// The project-wide settings beside the record lists: description, file names, run control,
// site and WPC data, and the defaults of new components.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mz {

inline constexpr const char* kNoFile = "null";

// Weather of a steady simulation (and of the wind pressure test).
struct SteadyWeather {
  float Ta = 0.0f;  // K
  float Pb = 0.0f;  // Pa
  float Ws = 0.0f;  // m/s
  float Wd = 0.0f;  // degrees
  float rh = 0.0f;
  std::int16_t day = 0;
  std::array<std::int16_t, 4> units{};
};

// One set of contaminant solver settings.
struct SolverSet {
  std::int16_t slae = 0, rs = 1, maxi = 100;
  float relcnvg = 1e-6f, abscnvg = 1e-15f, relax = 1.1f, gamma = 1.0f;
  std::int16_t ucc = 0;
};

inline constexpr std::size_t kOutputFlags = 29;

// What the engine is to simulate: methods, period, time steps and numerics. A plain record,
// copied as a whole by the run-control sheet.
struct RunControl {
  SteadyWeather steady;
  SteadyWeather windTest;
  std::int16_t sim_af = 0, afcalc = 1, afmaxi = 30;
  float afrcnvg = 1e-5f, afacnvg = 1e-6f, afrelax = 0.75f;
  std::int16_t uac = 0;
  float Pbldg = 50.0f;
  std::int16_t uPb = 0;
  std::int16_t slae = 0, rs = 1, aflmaxi = 100;
  float aflcnvg = 1e-6f;
  std::int16_t aflinit = 1, Tadj = 0;
  std::int16_t sim_mf = 0;
  SolverSet cyclic{0, 0, 30, 1e-4f, 1e-15f, 1.25f, 0.0f, 0}, nonTrace, trace;
  std::int16_t sim_sts = 0, sim_1dz = 1, sim_1dd = 0;
  float celldx = 0.1f;
  std::int16_t sim_vjt = 0, udx = 0;
  std::int16_t tsdens = 0;  // vary density during the time step
  float tsrelax = 0.75f;
  std::int16_t tsmaxi = 20;
  std::int16_t date_st = 1, date_0 = 1, date_1 = 1;      // days of the year
  std::int32_t time_st = 0, time_0 = 0, time_1 = 86400;  // seconds
  std::int32_t t_step = 300, t_list = 3600, t_scrn = 3600;
  std::int16_t restart = 0, rstdate = 1;
  std::int32_t rsttime = 0;
  std::int16_t list = 1, doDlg = 1, pfsave = 1, zfsave = 1, zcsave = 1;
  // The eight flags of the first output line, then the 21 further ones; the 19th is "Run steady
  // state initialization to convergence".
  std::array<std::int16_t, kOutputFlags> outputFlags{0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                     0, 0, 0, 0, 0, 0, 0, 0, 1};
  std::vector<float> rvals{1.2041f, 9.8055f};
  std::int16_t valZ = 0, valD = 0, valC = 0;
  std::int16_t ctype = 0;
  float conv = 0.01f;
  std::int16_t var = 0, imax = 1000, dtcmo = 1;
};

struct DataFiles {
  std::string weather = kNoFile;
  std::string contaminant = kNoFile;
  std::string continuousValues = kNoFile;
  std::string discreteValues = kNoFile;
  std::string wpc = kNoFile;
  std::string ewc = kNoFile;
};

struct WpcSettings {
  std::string description = "WPC description";
  float Xref = 0.0f, Yref = 0.0f, Zref = 0.0f, angle = 0.0f;
  std::int16_t unit = 0;
  float epsP = 0.01f, epsS = 0.01f;
  std::int32_t tShift = 0;
  std::int16_t dStart = 1, dEnd = 1;
  std::int16_t wp = 0, mf = 0;  // take wind pressures / contaminants from the WPC file
  bool inUse() const { return wp != 0 || mf != 0; }
};

struct Site {
  float latitude = 40.0f;
  float sinLatitude = 0.0f, cosLatitude = 0.0f;
  float longitude = -90.0f;
  float timeZone = -6.0f;
  float altitude = 0.0f;
  float groundTemperature = 283.15f;  // K
  std::array<std::int16_t, 2> units{};
};

// Defaults of new components and of the wind model.
struct ProjectDefaults {
  std::int16_t ud = 0;  // default unit system: 0 SI, 1 IP
  std::int16_t uf = 0;  // default flow unit
  float T = 293.15f;    // default zone and junction temperature, K
  std::int16_t uT = 0;
  float N = 0.0f;    // angle of north on the SketchPad, degrees
  float wH = 10.0f;  // wind reference height, m
  std::int16_t uwH = 0;
  float Ao = 0.6f;             // wind profile coefficient
  float a = 0.28f;             // wind profile exponent
  float windModifier = 0.36f;  // (Ao (wH / 10)^a)^2, the initial wPmod of variable wind paths
};

struct ProjectSettings {
  std::string description;
  std::string path;  // the project file's folder
  std::string name;  // empty: an untitled project
  RunControl runControl;
  DataFiles files;
  WpcSettings wpc;
  Site site;
  ProjectDefaults defaults;
};

}  // namespace mz
