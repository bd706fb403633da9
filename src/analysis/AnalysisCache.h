#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "analysis/DiveAnalysis.h"

namespace scrb {

// The one owner of what a dive's analysis derives. It computes each part on first use, keeps the
// sample arrays of a few recent dives and a small summary of every dive, and forgets what depends
// on the model or a surface pressure when they change. The logbook's records are only read.
// Every member may be called from any thread.
class AnalysisCache {
 public:
  static constexpr size_t kKeptDives = 12;

  explicit AnalysisCache(size_t keptDives = kKeptDives);

  // The dives analysed, by their index in the vector; everything known is forgotten. The vector
  // must outlive the cache or the next call.
  void SetDives(const std::vector<DiveRecord>* dives);
  // Dives were added behind the known ones (a merge): what is known of the others stays.
  void DivesAppended();

  // Loads decompression model 0, 1 or 2; the saturation of every dive is forgotten when it is
  // another model than the one in force.
  void SetModel(int number);
  DecoModel Model() const;

  // Whether a dive with a recorded surface interval starts from the tissues of the dive before it
  // instead of at equilibrium. Switching it forgets every saturation.
  void SetRepetitive(bool on);
  bool Repetitive() const;
  // Every dive's start under the model and surface pressures in force, worked out once for the
  // whole logbook and kept until one of them, the dives or the option changes; null while the
  // option is off. May take a while for a large logbook, so a background worker may call it
  // first: it does not hold the cache while it works.
  std::shared_ptr<const std::vector<RepetitiveStart>> Chain();
  // Where the dive's tissues start; NotRepetitive while the option is off.
  RepetitiveStart StartOf(int dive);

  // A surface pressure for one dive in place of its altitude class's; its air estimate and
  // saturation are computed anew. False when the pressure is the one in force already.
  bool SetSurfacePressure(int dive, double pressure);
  double SurfacePressure(int dive) const;

  // The parts of a dive's analysis; nothing for an index outside the logbook. The progress
  // callbacks are called only when the part is computed now.
  std::shared_ptr<const DecodedProfile> Profile(int dive);
  std::shared_ptr<const AirEstimate> Air(int dive, const AirProgress& progress = {});
  std::shared_ptr<const SaturationResult> Saturation(int dive,
                                                     const SaturationProgress& progress = {});
  // The record with all three parts; Record is null for an index outside the logbook.
  AnalysedDive Analysed(int dive);

  // The list index of one of the analysed records, -1 for any other record.
  int IndexOf(const DiveRecord& dive) const;
  // The same parts for a record of the logbook, found by where it lies.
  std::shared_ptr<const DecodedProfile> Profile(const DiveRecord& dive) {
    return Profile(IndexOf(dive));
  }
  std::shared_ptr<const AirEstimate> Air(const DiveRecord& dive, const AirProgress& progress = {}) {
    return Air(IndexOf(dive), progress);
  }
  std::shared_ptr<const SaturationResult> Saturation(const DiveRecord& dive,
                                                     const SaturationProgress& progress = {}) {
    return Saturation(IndexOf(dive), progress);
  }
  AnalysedDive Analysed(const DiveRecord& dive) { return Analysed(IndexOf(dive)); }

  // The dive's summary, computed now when it is not known.
  std::optional<AnalysisSummary> Summary(int dive);
  // The summary if it is known, without computing anything.
  std::optional<AnalysisSummary> KnownSummary(int dive) const;

  // Changes whenever a summary may change meaning (dives, model, a surface pressure), so that
  // work begun under one generation can be recognised as stale.
  uint64_t Generation() const;
  // What a background worker needs to summarise dives on its own, without the cache.
  struct Snapshot {
    const std::vector<DiveRecord>* Dives = nullptr;
    DecoModel Model;
    std::map<int, double> SurfacePressures;
    uint64_t Generation = 0;
    // Every dive's start when nitrogen is carried over between dives; null while it is not.
    std::shared_ptr<const std::vector<RepetitiveStart>> Starts;
    double SurfacePressureOf(int dive) const;
    RepetitiveStart StartOf(int dive) const;
    // The summary of the dive at `index`, whose record is `record` (the snapshot's, or a copy
    // of it), under the snapshot's model, surface pressure and start.
    AnalysisSummary Summarise(int index, const DiveRecord& record) const;
  };
  // With the option on, works out the chain first if it is not known yet.
  Snapshot TakeSnapshot() const;
  // Takes a summary worked out from a snapshot, unless the cache has changed since.
  void StoreSummary(uint64_t generation, int dive, AnalysisSummary summary);

 private:
  struct Entry {
    std::shared_ptr<const DecodedProfile> Profile;
    std::shared_ptr<const AirEstimate> Air;
    std::shared_ptr<const SaturationResult> Saturation;
  };

  const DiveRecord* RecordLocked(int dive) const;
  double SurfacePressureLocked(int dive) const;
  Entry& EntryLocked(int dive);
  std::shared_ptr<const DecodedProfile> ProfileLocked(int dive);
  void ForgetSaturationLocked();
  std::shared_ptr<const std::vector<RepetitiveStart>> ChainLocked() const;
  RepetitiveStart StartLocked(int dive) const;
  void Touch();

  // Recursive: a progress callback runs while a part is computed and may ask for the model.
  mutable std::recursive_mutex mutex_;
  size_t keptDives_;
  const std::vector<DiveRecord>* dives_ = nullptr;
  DecoModel model_;
  std::map<int, double> surfacePressures_;
  std::map<int, Entry> entries_;
  std::list<int> recent_;  // most recent first
  std::vector<std::optional<AnalysisSummary>> summaries_;
  bool repetitive_ = false;
  // Worked out on first need, also by the const TakeSnapshot.
  mutable std::shared_ptr<const std::vector<RepetitiveStart>> chain_;
  uint64_t generation_ = 0;
};

}  // namespace scrb
