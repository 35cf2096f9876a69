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
  std::int16_t slae = 0, rs = 0, maxi = 0;
  float relcnvg = 0.0f, abscnvg = 0.0f, relax = 0.0f, gamma = 0.0f;
  std::int16_t ucc = 0;
};

inline constexpr std::size_t kOutputFlags = 29;

// What the engine is to simulate: methods, period, time steps and numerics. A plain record,
// copied as a whole by the run-control sheet.
struct RunControl {
  SteadyWeather steady;
  SteadyWeather windTest;
  std::int16_t sim_af = 0, afcalc = 0, afmaxi = 0;
  float afrcnvg = 0.0f, afacnvg = 0.0f, afrelax = 0.0f;
  std::int16_t uac = 0;
  float Pbldg = 0.0f;
  std::int16_t uPb = 0;
  std::int16_t slae = 0, rs = 0, aflmaxi = 0;
  float aflcnvg = 0.0f;
  std::int16_t aflinit = 0, Tadj = 0;
  std::int16_t sim_mf = 0;
  SolverSet cyclic, nonTrace, trace;
  std::int16_t sim_sts = 0, sim_1dz = 0, sim_1dd = 0;
  float celldx = 0.0f;
  std::int16_t sim_vjt = 0, udx = 0;
  std::int16_t tsdens = 0;  // vary density during the time step
  float tsrelax = 0.0f;
  std::int16_t tsmaxi = 2;
  std::int16_t date_st = 1, date_0 = 1, date_1 = 1;  // days of the year
  std::int32_t time_st = 0, time_0 = 0, time_1 = 0;  // seconds
  std::int32_t t_step = 0, t_list = 0, t_scrn = 0;
  std::int16_t restart = 0, rstdate = 1;
  std::int32_t rsttime = 0;
  std::int16_t list = 0, doDlg = 0, pfsave = 0, zfsave = 0, zcsave = 0;
  std::array<std::int16_t, kOutputFlags> outputFlags{};
  std::vector<float> rvals;
  std::int16_t valZ = 0, valD = 0, valC = 0;
  std::int16_t ctype = 0;
  float conv = 0.0f;
  std::int16_t var = 0, imax = 0, dtcmo = 0;
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
  float epsP = 0.0f, epsS = 0.0f;
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
