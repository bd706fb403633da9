#pragma once

namespace scrb {

// A colour as the charts and the decompression models name it, 0 to 255 a channel.
struct Rgb {
  int R = 0;
  int G = 0;
  int B = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace scrb
