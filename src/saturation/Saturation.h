#pragma once

#include <functional>

#include "logbook/DiveRecord.h"
#include "saturation/DecoModel.h"

namespace scrb {

// Called once, just before the tissue loops start, so that the caller can show that a
// computation is under way (nothing repaints while it runs).
using SaturationProgress = std::function<void()>;

// Simulates the nitrogen pressure of every tissue of the model over the dive's profile, breathing
// air, and keeps it in the record with the dive's summary. Does nothing while SaturationComputed
// is set; whoever changes the model or the surface pressure clears it.
void ComputeSaturation(DiveRecord& dive, const DecoModel& model,
                       const SaturationProgress& progress = {});

// True when the record holds results that fit the model: one row per tissue plus the unused last
// one, each with SampleCount + 2 steps. Results of another model must never be read with this one.
bool SaturationFits(const DiveRecord& dive, const DecoModel& model);

// ComputeSaturation for a reader that may find results of another model in the record (the
// exports and the report, which do not go through the model window): those are computed anew.
void ComputeSaturationUnderModel(DiveRecord& dive, const DecoModel& model,
                                 const SaturationProgress& progress = {});

}  // namespace scrb
