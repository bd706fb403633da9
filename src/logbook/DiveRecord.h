#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scrb {

// One dive of the logbook: what the file says and nothing else. It is never written after the
// reader has filled it; what is derived from it is held by the analysis cache.
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
  double SurfacePressure = 1.0;  // bar, ambient at the dive's altitude class
};

}  // namespace scrb
