#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logbook/MissingValues.h"

namespace scrb {

// One dive of the logbook: what the file says, then what is derived from it on first display.
// Texts are UTF-8; raw fields keep the file's bytes unchanged.
struct DiveRecord {
  // Logbook fields, set once by the reader.
  std::string DiveHeader;  // raw, 2 bytes
  std::string DiveDate;    // "dd/mm/yyyy"
  std::string TimeZone;    // raw, 1 byte
  std::string DiveTime;    // "hh:mm" or "Unknown"
  int32_t LocationLength = 0;
  std::string Location;
  int32_t SiteLength = 0;
  std::string Site;
  int32_t AltitudeClass = 0;
  std::string SurfaceInterval;
  int32_t Weather = 0;
  double AirTemperature = 0;
  int32_t Suit = 0;
  double TankCapacity = 0;
  double MaxDepth = 0;
  std::string DivingTime;
  double WaterTemperature = 0;
  double AirConsumption = 0;
  int32_t DiveType = 0;
  int32_t DiveActivity = 0;
  int32_t OtherActivitiesLength = 0;
  std::string OtherActivities;
  int32_t PartnersLength = 0;
  std::string Partners;
  int32_t CommentLength = 0;
  std::string Comment;
  int32_t Alarms = 0;
  int32_t DiveNumber = 0;
  std::string DiveFooter;  // raw, 12 bytes
  int32_t ProfileLength = 0;
  std::string ProfileData;  // raw, ProfileLength bytes
  double SurfacePressure = 1.0;

  // Decoded profile, filled by DecodeProfile. The arrays run one (status: two) entries past the
  // last sample because the charts and the saturation read those entries as the return to the
  // surface.
  bool ProfileDecoded = false;
  int32_t SampleCount = 0;
  std::vector<double> SampleDepth;
  std::vector<int16_t> SampleFlags;
  std::vector<int16_t> SampleStatus;

  // Air model results.
  bool AirComputed = false;
  std::vector<double> SampleBreathRate;
  double BaseBreathRate = 0;
  double MaxBreathRate = 0;
  std::vector<double> SampleTankPressure;

  // Saturation results, TissuePressure[tissue][step].
  bool SaturationComputed = false;
  std::vector<std::vector<double>> TissuePressure;
  double MaxTissuePressure = 0;
  double MaxOverSaturation = 0;
  int32_t MaxOverSaturationSample = 0;
  int32_t MaxOverSaturationTissue = 0;
  double MinOverSaturation = 0;
};

}  // namespace scrb
