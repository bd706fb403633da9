#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "analysis/DiveAnalysis.h"

namespace scrb {

// Where a pass over many dives reports: the dives done of all of them; false stops the pass.
using SummaryProgress = std::function<bool(size_t done, size_t total)>;

// The one owner of what a dive's analysis derives. It computes each part on first use, keeps the
// sample arrays of a few recent dives and a small summary of every dive, and forgets what depends
// on the model or a surface pressure when they change. The logbook's records are only read.
// Every member may be called from any thread; nothing is computed while the cache is locked, so
// a long computation on one thread never holds up another.
class AnalysisCache {
 public:
  static constexpr size_t kKeptDives = 12;

  explicit AnalysisCache(size_t keptDives = kKeptDives);

  // The dives analysed, by their index in the list; everything known is forgotten. The records
  // are shared, never copied.
  void SetDives(std::shared_ptr<const std::vector<DiveRecord>> dives);
  // The same for a list the caller keeps alive as long as the cache reads it.
  void SetDives(const std::vector<DiveRecord>* dives);
  // Dives were added behind the known ones (a merge): `dives` holds them all, or is null when the
  // list given before has grown in place. What is known of the other dives stays.
  void DivesAppended(std::shared_ptr<const std::vector<DiveRecord>> dives = nullptr);

  // Loads decompression model 0, 1 or 2; the saturation of every dive is forgotten when it is
  // another model than the one in force.
  void SetModel(int number);
  DecoModel Model() const;

  // Whether a dive with a recorded surface interval starts from the tissues of the dive before it
  // instead of at equilibrium. Switching it forgets every saturation.
  void SetRepetitive(bool on);
  bool Repetitive() const;
  // Where the dive's tissues start; NotRepetitive while the option is off. The tissues of the
  // dive before are that dive's summary, worked out now (and the chain before it) if not known.
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

  // Changes whenever a summary may change meaning (dives, model, option, a surface pressure), so
  // that work begun under one generation can be recognised as stale.
  uint64_t Generation() const;

 private:
  struct Entry {
    std::shared_ptr<const DecodedProfile> Profile;
    std::shared_ptr<const AirEstimate> Air;
    std::shared_ptr<const SaturationResult> Saturation;
  };
  // Everything a computation reads, taken under the lock in one go: work done from it is stored
  // only while the generation is still the one taken.
  struct Inputs {
    std::shared_ptr<const std::vector<DiveRecord>> Dives;
    DecoModel Model;
    std::map<int, double> SurfacePressures;
    bool Repetitive = false;
    std::shared_ptr<const std::vector<int>> Before;  // each dive's dive before, when repetitive
    uint64_t Generation = 0;

    const DiveRecord* Record(int dive) const;
    double SurfacePressureOf(int dive) const;
  };

  friend std::optional<std::vector<AnalysisSummary>> SummariseDives(
      AnalysisCache& cache, const std::vector<int>& indices, const SummaryProgress& progress);

  Inputs TakeInputs();
  std::optional<AnalysisSummary> KnownUnder(const Inputs& inputs, int dive) const;
  std::optional<AnalysisSummary> SummaryUnder(const Inputs& inputs, int dive);
  RepetitiveStart StartUnder(const Inputs& inputs, int dive);
  AnalysisSummary Summarise(const Inputs& inputs, int dive, const RepetitiveStart& start);
  template <typename Part, typename Compute>
  std::shared_ptr<const Part> Cached(int dive, std::shared_ptr<const Part> Entry::*part,
                                     const Compute& compute);

  const DiveRecord* RecordLocked(int dive) const;
  double SurfacePressureLocked(int dive) const;
  Entry& EntryLocked(int dive);
  void ForgetSaturationLocked();

  mutable std::mutex mutex_;
  size_t keptDives_;
  std::shared_ptr<const std::vector<DiveRecord>> dives_;
  DecoModel model_;
  std::map<int, double> surfacePressures_;
  std::map<int, Entry> entries_;
  std::list<int> recent_;  // most recent first
  std::vector<std::optional<AnalysisSummary>> summaries_;
  bool repetitive_ = false;
  std::shared_ptr<const std::vector<int>> before_;  // worked out on first need
  uint64_t generation_ = 0;
};

// The summaries of the given dives, one a dive in the order given: those the cache knows are
// taken from it, the others worked out and handed to it. The records are the cache's shared
// ones, never a copy. Nothing is returned when `progress` says stop or when the analysis changes
// during the pass (its summaries would belong to settings no longer in force); the cache then
// holds only whole summaries of the settings in force. An index outside the logbook gives an
// empty summary.
std::optional<std::vector<AnalysisSummary>> SummariseDives(AnalysisCache& cache,
                                                           const std::vector<int>& indices,
                                                           const SummaryProgress& progress);

}  // namespace scrb
