#pragma once

#include "analysis/AnalysisCache.h"
#include "logbook/Logbook.h"
#include "report/Units.h"
#include "session/LogbookSession.h"

namespace scrb {

class SettingsStore;

// Readout state of the main window: readouts act only on finished charts, and each remembers
// where it last drew its cursor (0: no cursor drawn since the charts were drawn).
struct ReadoutState {
  bool ChartsReady = false;
  float DepthCursorX[2] = {0, 0};
  float SpeedCursorX = 0;
  float AirCursorX = 0;
  float SatuCursorX = 0;

  void ResetCursors() {
    DepthCursorX[0] = DepthCursorX[1] = 0;
    SpeedCursorX = AirCursorX = SatuCursorX = 0;
  }
};

// What the main window and its pages share.
struct AppContext {
  LogbookSession Session;
  // The session's store, which the pages read, and what is derived from its dives.
  Logbook& Book = Session.Store();
  AnalysisCache& Analysis = Session.Analysis();
  ReadoutState Readouts;
  SettingsStore* Settings = nullptr;
  // Chosen in the preferences; every page, readout, chart, table and report follows it.
  UnitSystem Units = UnitSystem::Metric;
};

}  // namespace scrb
