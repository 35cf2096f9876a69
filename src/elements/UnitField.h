#pragma once
// The binding of one numeric dialog field to a stored SI value: the text the field shows, the
// unit it is shown in, and the rules for typed input and unit changes. Toolkit-free: the view
// shows text() and the unit selector, and passes the user's text and choices back.

#include <string>
#include <string_view>
#include <vector>

#include "elements/Units.h"

namespace mz {

// A bound equal to this marker is not checked.
inline constexpr double kNoBound = -999.0;

// Bounds of a field in SI units.
struct FieldBounds {
  double lower = kNoBound;
  double upper = kNoBound;
};

class UnitField {
 public:
  // Binds the field to the stored value (which must outlive the field). A unit index that does
  // not exist in the family is reported and replaced by the SI unit.
  UnitField(UnitConverter& units, float& stored, UnitType type, int unitIndex);

  const std::string& text() const { return text_; }
  bool enabled() const { return enabled_; }
  UnitType type() const { return type_; }
  int unitIndex() const { return index_; }
  float storedValue() const { return *stored_; }
  std::string_view unitLabel() const;
  std::string_view unitTextLabel() const;
  // The labels of the unit selector beside the field.
  std::vector<std::string_view> unitChoices() const;

  // Shows the stored value in the field's unit ("%.*g", 6 digits) and enables the field.
  void show();
  // Checks the text the user left in the field. Accepted: the SI value is stored, the field
  // shows the typed value, true. Refused: a WARNING notice, the stored value unchanged and shown
  // again, false.
  bool accept(std::string_view entered, FieldBounds bounds = {});
  // The unit selector changed. When the stored value cannot be shown in the new unit the
  // reason is reported and the old unit stays (false).
  bool changeUnit(int newIndex);
  // Set: the field shows " N/A" and is disabled. Clear: enabled again.
  void markNotApplicable(bool notApplicable);

 private:
  // The stored value in the field's unit. A unit that cannot show it (a species lost the
  // property it needs) was reported; the field then falls back to the SI unit.
  float displayValue();
  void refuse(std::string_view message);

  UnitConverter* units_;
  float* stored_;
  UnitType type_;
  int index_;
  std::string text_;
  bool enabled_ = false;
};

}  // namespace mz
