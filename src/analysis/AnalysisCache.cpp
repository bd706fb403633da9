#include "analysis/AnalysisCache.h"

#include <algorithm>
#include <utility>

namespace scrb {

AnalysisCache::AnalysisCache(size_t keptDives) : keptDives_(std::max<size_t>(keptDives, 1)) {}

void AnalysisCache::SetDives(const std::vector<DiveRecord>* dives) {
  std::lock_guard lock(mutex_);
  dives_ = dives;
  surfacePressures_.clear();
  entries_.clear();
  recent_.clear();
  summaries_.assign(dives_ != nullptr ? dives_->size() : 0, std::nullopt);
  chain_.reset();
  ++generation_;
}

void AnalysisCache::DivesAppended() {
  std::lock_guard lock(mutex_);
  summaries_.resize(dives_ != nullptr ? dives_->size() : 0);
  chain_.reset();
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

std::shared_ptr<const std::vector<RepetitiveStart>> AnalysisCache::Chain() {
  Snapshot snapshot;
  {
    std::lock_guard lock(mutex_);
    if (!repetitive_ || chain_) return chain_;
    snapshot = {dives_, model_, surfacePressures_, generation_, {}};
  }
  auto chain = std::make_shared<const std::vector<RepetitiveStart>>(
      snapshot.Dives == nullptr ? std::vector<RepetitiveStart>{}
                                : ChainDives(*snapshot.Dives, snapshot.Model, [&](int dive) {
                                    return snapshot.SurfacePressureOf(dive);
                                  }));
  std::lock_guard lock(mutex_);
  // Worked out under what has changed since: the next call works it out anew.
  if (generation_ != snapshot.Generation) return ChainLocked();
  if (!chain_) chain_ = std::move(chain);
  return chain_;
}

RepetitiveStart AnalysisCache::StartOf(int dive) {
  Chain();
  std::lock_guard lock(mutex_);
  return StartLocked(dive);
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
  chain_.reset();
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

std::shared_ptr<const DecodedProfile> AnalysisCache::Profile(int dive) {
  std::lock_guard lock(mutex_);
  return ProfileLocked(dive);
}

std::shared_ptr<const AirEstimate> AnalysisCache::Air(int dive, const AirProgress& progress) {
  std::lock_guard lock(mutex_);
  const auto profile = ProfileLocked(dive);
  if (!profile) return nullptr;
  Entry& entry = EntryLocked(dive);
  if (!entry.Air) {
    entry.Air = AirOf(*RecordLocked(dive), *profile, SurfacePressureLocked(dive), progress);
  }
  return entry.Air;
}

std::shared_ptr<const SaturationResult> AnalysisCache::Saturation(
    int dive, const SaturationProgress& progress) {
  Chain();  // outside the lock, so that other threads are not held while it is worked out
  std::lock_guard lock(mutex_);
  const auto profile = ProfileLocked(dive);
  if (!profile) return nullptr;
  Entry& entry = EntryLocked(dive);
  if (!entry.Saturation) {
    entry.Saturation = SaturationOf(*profile, SurfacePressureLocked(dive), model_, progress,
                                    StartLocked(dive).Tissues);
  }
  return entry.Saturation;
}

AnalysedDive AnalysisCache::Analysed(int dive) {
  AnalysedDive analysed;
  analysed.Profile = Profile(dive);
  if (!analysed.Profile) return analysed;
  analysed.Air = Air(dive);
  analysed.Saturation = Saturation(dive);
  std::lock_guard lock(mutex_);
  analysed.Record = RecordLocked(dive);
  analysed.SurfacePressure = SurfacePressureLocked(dive);
  analysed.Start = StartLocked(dive);
  return analysed;
}

int AnalysisCache::IndexOf(const DiveRecord& dive) const {
  std::lock_guard lock(mutex_);
  if (dives_ == nullptr || dives_->empty()) return -1;
  // Compared as addresses, not by pointer arithmetic, which a record elsewhere would make
  // undefined.
  const auto at = reinterpret_cast<std::uintptr_t>(&dive);
  const auto first = reinterpret_cast<std::uintptr_t>(dives_->data());
  const auto end = reinterpret_cast<std::uintptr_t>(dives_->data() + dives_->size());
  if (at < first || at >= end || (at - first) % sizeof(DiveRecord) != 0) return -1;
  return static_cast<int>((at - first) / sizeof(DiveRecord));
}

std::optional<AnalysisSummary> AnalysisCache::Summary(int dive) {
  if (auto known = KnownSummary(dive)) return known;
  const uint64_t generation = Generation();
  const AnalysedDive analysed = Analysed(dive);
  if (analysed.Record == nullptr) return std::nullopt;
  AnalysisSummary summary = SummariseDive(analysed);
  StoreSummary(generation, dive, summary);
  return summary;
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

double AnalysisCache::Snapshot::SurfacePressureOf(int dive) const {
  const auto found = SurfacePressures.find(dive);
  if (found != SurfacePressures.end()) return found->second;
  if (Dives == nullptr || dive < 0 || static_cast<size_t>(dive) >= Dives->size()) return 1.0;
  return (*Dives)[static_cast<size_t>(dive)].SurfacePressure;
}

AnalysisSummary AnalysisCache::Snapshot::Summarise(int index, const DiveRecord& record) const {
  return SummariseDive(AnalyseDive(record, Model, SurfacePressureOf(index), StartOf(index)));
}

RepetitiveStart AnalysisCache::Snapshot::StartOf(int dive) const {
  if (!Starts || dive < 0 || static_cast<size_t>(dive) >= Starts->size()) return {};
  return (*Starts)[static_cast<size_t>(dive)];
}

AnalysisCache::Snapshot AnalysisCache::TakeSnapshot() const {
  std::lock_guard lock(mutex_);
  return {dives_, model_, surfacePressures_, generation_, ChainLocked()};
}

void AnalysisCache::StoreSummary(uint64_t generation, int dive, AnalysisSummary summary) {
  std::lock_guard lock(mutex_);
  if (generation != generation_ || static_cast<size_t>(dive) >= summaries_.size() || dive < 0)
    return;
  summaries_[static_cast<size_t>(dive)] = std::move(summary);
}

const DiveRecord* AnalysisCache::RecordLocked(int dive) const {
  if (dives_ == nullptr || dive < 0 || static_cast<size_t>(dive) >= dives_->size()) return nullptr;
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

std::shared_ptr<const DecodedProfile> AnalysisCache::ProfileLocked(int dive) {
  const DiveRecord* record = RecordLocked(dive);
  if (record == nullptr) return nullptr;
  Entry& entry = EntryLocked(dive);
  if (!entry.Profile) entry.Profile = ProfileOf(*record);
  return entry.Profile;
}

void AnalysisCache::ForgetSaturationLocked() {
  for (auto& [dive, entry] : entries_) entry.Saturation.reset();
  for (auto& summary : summaries_) summary.reset();
  chain_.reset();
  ++generation_;
}

std::shared_ptr<const std::vector<RepetitiveStart>> AnalysisCache::ChainLocked() const {
  if (!repetitive_ || chain_ || dives_ == nullptr) return chain_;
  chain_ = std::make_shared<const std::vector<RepetitiveStart>>(
      ChainDives(*dives_, model_, [this](int dive) { return SurfacePressureLocked(dive); }));
  return chain_;
}

RepetitiveStart AnalysisCache::StartLocked(int dive) const {
  const auto chain = ChainLocked();
  if (!chain || dive < 0 || static_cast<size_t>(dive) >= chain->size()) return {};
  return (*chain)[static_cast<size_t>(dive)];
}

}  // namespace scrb
