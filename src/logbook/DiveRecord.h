#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scrb {

// One dive of the logbook: what the file says, then what is derived from it on first display.
// Texts are UTF-8; raw fields keep the file's bytes unchanged. A measured field the dive computer
// did not record holds kUnknownMeasurement; a minutes field it did not record reads "Unknown".
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
  std::string SurfaceInterval;  // hours and minutes, "hh:mm", or "Unknown"
  int32_t Weather = 0;
  double AirTemperature = 0;  // °C
  int32_t Suit = 0;
  double TankCapacity = 0;      // litres
  double MaxDepth = 0;          // metres
  std::string DivingTime;       // duration, "hh:mm" or "Unknown"
  double WaterTemperature = 0;  // °C, the lowest of the dive
  double AirConsumption = 0;    // bar, the tank pressure the dive used
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
  std::string ProfileData;       // raw, ProfileLength bytes
  double SurfacePressure = 1.0;  // bar, ambient at the dive's altitude

  // Decoded profile, filled by DecodeProfile. The arrays run one (status: two) entries past the
  // last sample because the charts and the saturation read those entries as the return to the
  // surface.
  bool ProfileDecoded = false;
  int32_t SampleCount = 0;
  std::vector<double> SampleDepth;    // metres
  std::vector<int16_t> SampleFlags;   // event bits: 32 tx, 16 ess, 8 sos, 4 up, 2 rbt, 1 deco
  std::vector<int16_t> SampleStatus;  // status byte (air, cold, bubbles) per third sample, or -1

  // Air model results, per minute at the minute's last sample.
  bool AirComputed = false;
  std::vector<double> SampleBreathRate;    // litres per minute
  double BaseBreathRate = 0;               // litres per minute at air level 1; 0: no estimate
  double MaxBreathRate = 0;                // litres per minute
  std::vector<double> SampleTankPressure;  // bar above the end-of-dive pressure

  // Saturation results, TissuePressure[tissue][step].
  bool SaturationComputed = false;
  std::vector<std::vector<double>> TissuePressure;  // bar of nitrogen
  double MaxTissuePressure = 0;                     // bar
  double MaxOverSaturation = 0;                     // % of the tissue's critical ratio
  int32_t MaxOverSaturationSample = 0;
  int32_t MaxOverSaturationTissue = 0;
  double MinOverSaturation = 0;  // %
};

}  // namespace scrb
