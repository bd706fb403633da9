#include "analysis/AnalysisCache.h"

#include <algorithm>
#include <utility>

namespace scrb {

namespace {

// Reporting every dive known already would cost more than looking it up.
constexpr size_t kReportKnownEvery = 64;

}  // namespace

AnalysisCache::AnalysisCache(size_t keptDives) : keptDives_(std::max<size_t>(keptDives, 1)) {}

void AnalysisCache::SetDives(std::shared_ptr<const std::vector<DiveRecord>> dives) {
  // The records let go are freed after the lock, which other threads may be waiting for.
  std::shared_ptr<const std::vector<DiveRecord>> released = std::move(dives);
  std::lock_guard lock(mutex_);
  std::swap(dives_, released);
  surfacePressures_.clear();
  entries_.clear();
  recent_.clear();
  summaries_.assign(dives_ ? dives_->size() : 0, std::nullopt);
  before_.reset();
  ++generation_;
}

void AnalysisCache::SetDives(const std::vector<DiveRecord>* dives) {
  // Not owned: the aliasing pointer shares nothing.
  SetDives(std::shared_ptr<const std::vector<DiveRecord>>(
      std::shared_ptr<const std::vector<DiveRecord>>(), dives));
}

void AnalysisCache::DivesAppended(std::shared_ptr<const std::vector<DiveRecord>> dives) {
  std::lock_guard lock(mutex_);
  if (dives) dives_ = std::move(dives);
  summaries_.resize(dives_ ? dives_->size() : 0);
  before_.reset();
  ++generation_;
  // A merged dive may lie in time between known ones, and change where they start.
  if (repetitive_) ForgetSaturationLocked();
}

void AnalysisCache::SetRepetitive(bool on) {
  std::lock_guard lock(mutex_);
  if (repetitive_ == on) return;
  repetitive_ = on;
  ForgetSaturationLocked();
}

bool AnalysisCache::Repetitive() const {
  std::lock_guard lock(mutex_);
  return repetitive_;
}

void AnalysisCache::SetModel(int number) {
  std::lock_guard lock(mutex_);
  if (model_.DecoModelNumber == number) return;
  LoadDecoModel(model_, number);
  ForgetSaturationLocked();
}

DecoModel AnalysisCache::Model() const {
  std::lock_guard lock(mutex_);
  return model_;
}

bool AnalysisCache::SetSurfacePressure(int dive, double pressure) {
  std::lock_guard lock(mutex_);
  if (RecordLocked(dive) == nullptr || SurfacePressureLocked(dive) == pressure) return false;
  surfacePressures_[dive] = pressure;
  // Carried over, the pressure reaches every dive after this one in the chain.
  if (repetitive_) ForgetSaturationLocked();
  if (const auto found = entries_.find(dive); found != entries_.end()) {
    found->second.Air.reset();
    found->second.Saturation.reset();
  }
  summaries_[static_cast<size_t>(dive)].reset();
  ++generation_;
  return true;
}

double AnalysisCache::SurfacePressure(int dive) const {
  std::lock_guard lock(mutex_);
  return SurfacePressureLocked(dive);
}

// A part known is handed out; one not known is computed outside the lock and kept only when
// nothing it was computed from has changed meanwhile.
template <typename Part, typename Compute>
std::shared_ptr<const Part> AnalysisCache::Cached(int dive,
                                                  std::shared_ptr<const Part> Entry::*part,
                                                  const Compute& compute) {
  Inputs inputs;
  {
    std::lock_guard lock(mutex_);
    if (RecordLocked(dive) == nullptr) return nullptr;
    if (const auto found = entries_.find(dive); found != entries_.end() && found->second.*part) {
      return EntryLocked(dive).*part;
    }
  }
  inputs = TakeInputs();
  if (inputs.Record(dive) == nullptr) return nullptr;  // the dives were replaced meanwhile
  std::shared_ptr<const Part> made = compute(inputs);
  std::lock_guard lock(mutex_);
  if (generation_ != inputs.Generation) return made;
  Entry& entry = EntryLocked(dive);
  if (!(entry.*part)) entry.*part = std::move(made);
  return entry.*part;
}

std::shared_ptr<const DecodedProfile> AnalysisCache::Profile(int dive) {
  return Cached(dive, &Entry::Profile,
                [dive](const Inputs& inputs) { return ProfileOf(*inputs.Record(dive)); });
}

std::shared_ptr<const AirEstimate> AnalysisCache::Air(int dive, const AirProgress& progress) {
  const auto profile = Profile(dive);
  if (!profile) return nullptr;
  return Cached(dive, &Entry::Air, [&](const Inputs& inputs) {
    return AirOf(*inputs.Record(dive), *profile, inputs.SurfacePressureOf(dive), progress);
  });
}

std::shared_ptr<const SaturationResult> AnalysisCache::Saturation(
    int dive, const SaturationProgress& progress) {
  const auto profile = Profile(dive);
  if (!profile) return nullptr;
  return Cached(dive, &Entry::Saturation, [&](const Inputs& inputs) {
    return SaturationOf(*profile, inputs.SurfacePressureOf(dive), inputs.Model, progress,
                        StartUnder(inputs, dive).Tissues);
  });
}

AnalysedDive AnalysisCache::Analysed(int dive) {
  AnalysedDive analysed;
  analysed.Profile = Profile(dive);
  if (!analysed.Profile) return analysed;
  analysed.Air = Air(dive);
  analysed.Saturation = Saturation(dive);
  analysed.Start = StartOf(dive);
  std::lock_guard lock(mutex_);
  analysed.Record = RecordLocked(dive);
  analysed.SurfacePressure = SurfacePressureLocked(dive);
  return analysed;
}

RepetitiveStart AnalysisCache::StartOf(int dive) {
  const Inputs inputs = TakeInputs();
  if (inputs.Record(dive) == nullptr) return {};
  return StartUnder(inputs, dive);
}

int AnalysisCache::IndexOf(const DiveRecord& dive) const {
  std::lock_guard lock(mutex_);
  if (!dives_ || dives_->empty()) return -1;
  // Compared as addresses, not by pointer arithmetic, which a record elsewhere would make
  // undefined.
  const auto at = reinterpret_cast<std::uintptr_t>(&dive);
  const auto first = reinterpret_cast<std::uintptr_t>(dives_->data());
  const auto end = reinterpret_cast<std::uintptr_t>(dives_->data() + dives_->size());
  if (at < first || at >= end || (at - first) % sizeof(DiveRecord) != 0) return -1;
  return static_cast<int>((at - first) / sizeof(DiveRecord));
}

std::optional<AnalysisSummary> AnalysisCache::Summary(int dive) {
  return SummaryUnder(TakeInputs(), dive);
}

std::optional<AnalysisSummary> AnalysisCache::KnownSummary(int dive) const {
  std::lock_guard lock(mutex_);
  if (RecordLocked(dive) == nullptr || static_cast<size_t>(dive) >= summaries_.size()) return {};
  return summaries_[static_cast<size_t>(dive)];
}

uint64_t AnalysisCache::Generation() const {
  std::lock_guard lock(mutex_);
  return generation_;
}

const DiveRecord* AnalysisCache::Inputs::Record(int dive) const {
  if (!Dives || dive < 0 || static_cast<size_t>(dive) >= Dives->size()) return nullptr;
  return &(*Dives)[static_cast<size_t>(dive)];
}

double AnalysisCache::Inputs::SurfacePressureOf(int dive) const {
  const auto found = SurfacePressures.find(dive);
  if (found != SurfacePressures.end()) return found->second;
  const DiveRecord* record = Record(dive);
  return record != nullptr ? record->SurfacePressure : 1.0;
}

AnalysisCache::Inputs AnalysisCache::TakeInputs() {
  std::unique_lock lock(mutex_);
  if (repetitive_ && !before_ && dives_) {
    // Which dive came before which is worked out once for the dives, outside the lock.
    const auto dives = dives_;
    lock.unlock();
    auto before = std::make_shared<const std::vector<int>>(DivesBefore(*dives));
    lock.lock();
    if (dives_ == dives && !before_) before_ = std::move(before);
  }
  return {dives_, model_, surfacePressures_, repetitive_, before_, generation_};
}

std::optional<AnalysisSummary> AnalysisCache::KnownUnder(const Inputs& inputs, int dive) const {
  std::lock_guard lock(mutex_);
  if (generation_ != inputs.Generation || static_cast<size_t>(dive) >= summaries_.size()) return {};
  return summaries_[static_cast<size_t>(dive)];
}

RepetitiveStart AnalysisCache::StartUnder(const Inputs& inputs, int dive) {
  if (!inputs.Repetitive || !inputs.Before) return {};
  RepetitiveStart start = FindCarryOver(*inputs.Dives, *inputs.Before, dive);
  if (start.Kind != CarryOver::Carried) return start;
  const std::optional<AnalysisSummary> before = SummaryUnder(inputs, start.From);
  if (!before || before->EndTissuePressure.empty()) {
    start.Kind = CarryOver::NothingToCarry;
    return start;
  }
  start.Tissues = OffGassed(before->EndTissuePressure, inputs.Model, inputs.SurfacePressureOf(dive),
                            start.IntervalMinutes);
  return start;
}

std::optional<AnalysisSummary> AnalysisCache::SummaryUnder(const Inputs& inputs, int dive) {
  if (inputs.Record(dive) == nullptr) return std::nullopt;
  // A chained dive needs the end of the dive before it, which may need the one before that: the
  // chain is followed back to a dive known or not chained, then summarised forward, each once.
  std::vector<std::pair<int, RepetitiveStart>> pending;
  std::optional<AnalysisSummary> before;
  for (int d = dive;;) {
    if ((before = KnownUnder(inputs, d))) break;
    RepetitiveStart link;
    if (inputs.Repetitive && inputs.Before) link = FindCarryOver(*inputs.Dives, *inputs.Before, d);
    pending.emplace_back(d, link);
    if (link.Kind != CarryOver::Carried) break;
    d = link.From;
  }
  for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
    auto& [d, start] = *it;
    if (start.Kind == CarryOver::Carried) {
      if (before->EndTissuePressure.empty()) {
        start.Kind = CarryOver::NothingToCarry;
      } else {
        start.Tissues = OffGassed(before->EndTissuePressure, inputs.Model,
                                  inputs.SurfacePressureOf(d), start.IntervalMinutes);
      }
    }
    before = Summarise(inputs, d, start);
  }
  return before;
}

AnalysisSummary AnalysisCache::Summarise(const Inputs& inputs, int dive,
                                         const RepetitiveStart& start) {
  AnalysedDive analysed;
  {
    // The parts of a dive shown are taken as they are rather than worked out again.
    std::lock_guard lock(mutex_);
    if (const auto found = entries_.find(dive);
        found != entries_.end() && generation_ == inputs.Generation) {
      analysed.Profile = found->second.Profile;
      analysed.Air = found->second.Air;
      analysed.Saturation = found->second.Saturation;
    }
  }
  const DiveRecord& record = *inputs.Record(dive);
  const double pressure = inputs.SurfacePressureOf(dive);
  if (!analysed.Profile || !analysed.Air || !analysed.Saturation) {
    analysed = AnalyseDive(record, inputs.Model, pressure, start);
  } else {
    analysed.Record = &record;
    analysed.SurfacePressure = pressure;
    analysed.Start = start;
  }
  AnalysisSummary summary = SummariseDive(analysed);
  std::lock_guard lock(mutex_);
  if (generation_ == inputs.Generation && static_cast<size_t>(dive) < summaries_.size()) {
    summaries_[static_cast<size_t>(dive)] = summary;
  }
  return summary;
}

const DiveRecord* AnalysisCache::RecordLocked(int dive) const {
  if (!dives_ || dive < 0 || static_cast<size_t>(dive) >= dives_->size()) return nullptr;
  return &(*dives_)[static_cast<size_t>(dive)];
}

double AnalysisCache::SurfacePressureLocked(int dive) const {
  const auto found = surfacePressures_.find(dive);
  if (found != surfacePressures_.end()) return found->second;
  const DiveRecord* record = RecordLocked(dive);
  return record != nullptr ? record->SurfacePressure : 1.0;
}

AnalysisCache::Entry& AnalysisCache::EntryLocked(int dive) {
  // Most recent first; beyond the kept number the oldest dive's arrays are let go (a page that
  // still shows them holds its own reference).
  recent_.remove(dive);
  recent_.push_front(dive);
  while (recent_.size() > keptDives_) {
    entries_.erase(recent_.back());
    recent_.pop_back();
  }
  return entries_[dive];
}

void AnalysisCache::ForgetSaturationLocked() {
  for (auto& [dive, entry] : entries_) entry.Saturation.reset();
  for (auto& summary : summaries_) summary.reset();
  ++generation_;
}

std::optional<std::vector<AnalysisSummary>> SummariseDives(AnalysisCache& cache,
                                                           const std::vector<int>& indices,
                                                           const SummaryProgress& progress) {
  // One set of inputs for the whole pass, so that every summary returned belongs to the same
  // settings and records, whatever happens to the store meanwhile.
  const AnalysisCache::Inputs inputs = cache.TakeInputs();
  std::vector<AnalysisSummary> summaries;
  summaries.reserve(indices.size());
  const size_t total = indices.size();
  for (size_t n = 0; n < total; ++n) {
    const int dive = indices[n];
    std::optional<AnalysisSummary> summary = cache.KnownUnder(inputs, dive);
    if (!summary || n % kReportKnownEvery == 0) {
      if (progress && !progress(n, total)) return std::nullopt;
      if (cache.Generation() != inputs.Generation) return std::nullopt;
    }
    if (!summary) summary = cache.SummaryUnder(inputs, dive);
    summaries.push_back(summary ? std::move(*summary) : AnalysisSummary{});
  }
  if (cache.Generation() != inputs.Generation) return std::nullopt;
  if (progress && !progress(total, total)) return std::nullopt;
  return summaries;
}

}  // namespace scrb
