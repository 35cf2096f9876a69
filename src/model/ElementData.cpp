#include <cmath>

#include "model/AirflowTypes.h"
#include "model/ControlNodes.h"
#include "model/DuctTypes.h"
#include "model/SourceTypes.h"

namespace mz {

AirflowData defaultAirflowData(std::int16_t type) {
  switch (type) {
    case 0:
      return OrificeData{};
    case 1:
    case 2:
    case 3:
      return LeakageData{};
    case 4:
      return ConnectionData{};
    case 5:
    case 6:
      return PowerLawData{};
    case 7:
      return TestPointData{};
    case 8:
      return TwoTestPointData{};
    case 9:
      return CrackData{};
    case 10:
      return StairwellData{};
    case 11:
      return ShaftData{};
    case 12:
    case 13:
      return BackdraftData{};
    case 14:
    case 15:
      return QuadraticData{};
    case 16:
      return QuadraticCrackData{};
    case 17:
      return QuadraticTestData{};
    case 18:
      return DoorData{};
    case 19:
      return TwoOpeningData{};
    case 20:
    case 21:
      return ConstantFlowData{};
    case 22:
      return FanData{};
    case 23:
    case 24:
    case 25:
    case 26:
      return SplineData{};
    case 27:
      return SuperAirflowData{};
    default:
      return std::monostate{};
  }
}

DuctData defaultDuctData(std::int16_t type) {
  DuctData data;
  switch (type) {
    case 28:
      data.model = DarcyColebrookData{};
      break;
    case 29:
      data.model = DuctOrificeData{};
      break;
    case 30:
    case 31:
      data.model = PowerLawData{};
      break;
    case 32:
      data.model = FanData{};
      break;
    case 33:
    case 34:
      data.model = ConstantFlowData{};
      break;
    case 35:
    case 36:
      data.model = BackdraftData{};
      break;
    case 37:
    case 38:
    case 39:
    case 40:
      data.model = SplineData{};
      break;
    default:
      break;
  }
  return data;
}

SourceData defaultSourceData(std::int16_t type) {
  switch (type) {
    case SourceType::Ccf:
    case SourceType::Cut:
    case SourceType::Eds:
    case SourceType::Dvs:
      return TwoValueSource{};
    case SourceType::Prs:
      return PressureSource{};
    case SourceType::Bls:
      return BoundaryLayerSource{};
    case SourceType::Brs:
    case SourceType::Drs:
      return OneValueSource{};
    case SourceType::Dvr:
      return ResuspensionSink{};
    case SourceType::Sup:
      return SuperSource{};
    case SourceType::Plm:
      return EmissionModel{};
    case SourceType::Pkm:
      return EmissionModel{2.77778e-10f, 1.0f, 1.0f, 29, 2};
    case SourceType::Sxd:
      return OpaqueSource{std::vector<float>(2, 0.0f)};
    case SourceType::Dxd:
      return OpaqueSource{std::vector<float>(4, 0.0f)};
    default:
      return std::monostate{};
  }
}

ControlData defaultControlData(std::int16_t type) {
  switch (type) {
    case ControlType::Sensor:
    case ControlType::NewSensor:
      return SensorData{};
    case ControlType::Schedule:
      return ScheduleSignal{};
    case ControlType::Constant:
    case ControlType::LowerBand:
    case ControlType::UpperBand:
      return ValueSignal{};
    case ControlType::Proportional:
      return ValueSignal{0.0f};
    case ControlType::Cvf:
    case ControlType::Dvf:
      return ValueFileSignal{};
    case ControlType::Report:
      return ReportData{};
    case ControlType::Modifier:
      return ModifierData{};
    case ControlType::Hysteresis:
      return HysteresisData{};
    case ControlType::ScheduledDelay:
      return ScheduledDelayData{};
    case ControlType::ExponentialDelay:
      return ExponentialDelayData{};
    case ControlType::RunningAverage:
      return RunningAverageData{};
    case ControlType::Sum:
    case ControlType::Average:
    case ControlType::Maximum:
    case ControlType::Minimum:
      return MultipleInputData{};
    case ControlType::ProportionalIntegral:
      return PiControllerData{};
    case ControlType::Super:
      return SuperInstanceData{};
    case ControlType::Polynomial:
      return PolynomialData{};
    case ControlType::Unknown:
      return UnknownControlData{};
    default:
      return std::monostate{};
  }
}

double laminarCoefficient(double C, double n, double A, double D, double Re, FlowForm form) {
  double Ft = Re * kAirViscosity * A / D;
  double divisor = form == FlowForm::Volume        ? C * kAirDensity
                   : form == FlowForm::DensityRoot ? C * 1.097315
                                                   : C;
  double dPt = std::pow(Ft / divisor, 1.0 / n);
  if (!(dPt >= 1e-10)) dPt = 1e-10;
  return Ft * kAirViscosity / (dPt * kAirDensity);
}

ControlNode* ControlSuperElement::node(Ref<ControlNode> ref) {
  if (ref.empty()) return nullptr;
  for (ControlNode& n : nodes)
    if (n.id == ref.id) return &n;
  return nullptr;
}

const ControlNode* ControlSuperElement::node(Ref<ControlNode> ref) const {
  return const_cast<ControlSuperElement*>(this)->node(ref);
}

std::int32_t ControlSuperElement::nodeNumber(Ref<ControlNode> ref) const {
  if (ref.empty()) return 0;
  for (std::size_t i = 0; i < nodes.size(); ++i)
    if (nodes[i].id == ref.id) return static_cast<std::int32_t>(i + 1);
  return 0;
}

}  // namespace mz
