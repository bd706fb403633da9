#pragma once

namespace scrb {

// The units the diver reads figures in. The core computes in metric units; texts, chart axes and
// reports convert at the moment they show a figure. Tank sizes stay in litres either way: the
// file holds the tank's water volume only.
enum class UnitSystem { Metric, Imperial };

}  // namespace scrb
