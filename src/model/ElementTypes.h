#pragma once
// The type keywords of the model element kinds, in type-code order: the form in which files
// hold an element's type (looked up with lookupKeyword).

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace mz {

// Airflow elements (codes 0 to 27) and duct elements (28 to 40) share one table.
inline constexpr std::array<std::string_view, 41> kFlowElementKeywords{
    "plr_orfc",  "plr_leak1", "plr_leak2", "plr_leak3", "plr_conn",  "plr_qcn", "plr_fcn",
    "plr_test1", "plr_test2", "plr_crack", "plr_stair", "plr_shaft", "plr_bdq", "plr_bdf",
    "qfr_qab",   "qfr_fab",   "qfr_crack", "qfr_test2", "dor_door",  "dor_pl2", "fan_cmf",
    "fan_cvf",   "fan_fan",   "csf_fsp",   "csf_qsp",   "csf_psf",   "csf_psq", "sup_afe",
    "dct_dwc",   "dct_plr",   "dct_fcn",   "dct_qcn",   "dct_fan",   "dct_cmf", "dct_cvf",
    "dct_bdq",   "dct_bdf",   "dct_fsp",   "dct_qsp",   "dct_psf",   "dct_psq"};

// Source/sink elements; the last two are only read.
inline constexpr std::array<std::string_view, 14> kSourceElementKeywords{
    "ccf", "prs", "cut", "eds", "bls", "brs", "dvs",
    "drs", "dvr", "sup", "plm", "pkm", "sxd", "dxd"};
inline constexpr std::int16_t kSuperSourceType = 9;

inline constexpr std::array<std::string_view, 4> kFilterElementKeywords{"cef", "pf0", "gf0", "spf"};

// The keyword of a type code, empty for a code outside the table.
inline std::string_view typeKeyword(std::span<const std::string_view> table, std::int16_t code) {
  return code >= 0 && static_cast<std::size_t>(code) < table.size()
             ? table[static_cast<std::size_t>(code)]
             : std::string_view{};
}

}  // namespace mz
