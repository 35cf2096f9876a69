#include "elements/UnitField.h"

#include <cmath>
#include <limits>

#include "foundation/Formats.h"
#include "foundation/Utils.h"

namespace mz {
namespace {

constexpr std::size_t kMaxFieldLength = 20;

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A typed number a single-precision field can hold. Infinities and not-a-number are refused
// like any other text that is not a number.
bool representable(double value) {
  return std::isfinite(value) && std::abs(value) <= std::numeric_limits<float>::max();
}

}  // namespace

UnitField::UnitField(UnitConverter& units, float& stored, UnitType type, int unitIndex)
    : units_(&units), stored_(&stored), type_(type), index_(unitIndex) {
  if (!units.checkUnit(type, unitIndex)) index_ = 0;
}

std::string_view UnitField::unitLabel() const {
  return mz::unitLabel(type_, index_);
}

std::string_view UnitField::unitTextLabel() const {
  return mz::unitTextLabel(type_, index_);
}

std::vector<std::string_view> UnitField::unitChoices() const {
  return unitLabels(type_);
}

float UnitField::displayValue() {
  const Conversion shown = units_->convert(*stored_, UnitDirection::ToDisplay, type_, index_);
  if (shown.status == ConversionStatus::Done) return shown.value;
  index_ = 0;
  return *stored_;
}

void UnitField::show() {
  text_ = cformat("%.*g", 6, static_cast<double>(displayValue()));
  enabled_ = true;
}

void UnitField::refuse(std::string_view message) {
  units_->reporter().showMessage(1, {message});
  text_ = formatFloat(displayValue(), 6);
}

bool UnitField::accept(std::string_view entered, FieldBounds bounds) {
  if (entered.size() >= kMaxFieldLength) {
    refuse("There are too many digits in this number.");
    return false;
  }
  const std::string notANumber = "Not a valid number: \"" + std::string(entered) + "\"";
  const std::optional<double> typed = parseReal(trimmed(entered));
  if (!typed || !representable(*typed)) {
    refuse(notANumber);
    return false;
  }
  const Conversion si = units_->convert(*typed, UnitDirection::ToSi, type_, index_);
  if (si.status != ConversionStatus::Done) {
    // Reported by the conversion; the unit cannot be used, so the field falls back to SI.
    index_ = 0;
    text_ = formatFloat(*stored_, 6);
    return false;
  }
  if (!std::isfinite(si.value)) {
    refuse(notANumber);
    return false;
  }
  // Bounds are compared in single precision, as the value is stored, so that typing a bound
  // itself is accepted.
  auto shownBound = [&](double bound) {
    return static_cast<double>(
        units_->convert(static_cast<float>(bound), UnitDirection::ToDisplay, type_, index_).value);
  };
  if (bounds.lower != kNoBound && si.value < static_cast<float>(bounds.lower)) {
    refuse(cformat("Value must not be less than %g %s", shownBound(bounds.lower),
                   std::string(unitTextLabel()).c_str()));
    return false;
  }
  if (bounds.upper != kNoBound && si.value > static_cast<float>(bounds.upper)) {
    refuse(cformat("Value must not be greater than %g %s", shownBound(bounds.upper),
                   std::string(unitTextLabel()).c_str()));
    return false;
  }
  *stored_ = si.value;
  text_ = formatFloat(static_cast<float>(*typed), 6);
  return true;
}

bool UnitField::changeUnit(int newIndex) {
  if (!units_->checkUnit(type_, newIndex)) return false;
  const Conversion shown = units_->convert(*stored_, UnitDirection::ToDisplay, type_, newIndex);
  if (shown.status != ConversionStatus::Done) return false;
  index_ = newIndex;
  text_ = formatFloat(shown.value, 6);
  return true;
}

void UnitField::markNotApplicable(bool notApplicable) {
  if (notApplicable) text_ = " N/A";
  enabled_ = !notApplicable;
}

}  // namespace mz
