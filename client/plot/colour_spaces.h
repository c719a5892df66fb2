// Conversions between the colour spaces the colour maps blend in: sRGB, HLS, HSV and
// OKLab. Components are 0 ... 1, hues in degrees; packed RGB is red << 16 | green << 8 |
// blue.
#pragma once

#include <array>
#include <cstdint>

namespace lumora::plot {

using Rgb = std::array<double, 3>;  // sRGB, each 0 ... 1

struct Lab {
    double l, a, b;
};

struct Hls {
    double hue, lightness, saturation;
};

struct Hsv {
    double hue, saturation, value;
};

// sRGB of a hue (any number of degrees, taken round the circle), lightness and
// saturation; and back (a grey has hue 0 and saturation 0).
Rgb rgb_of_hls(const Hls& c);
Hls hls_of_rgb(const Rgb& c);
// sRGB of a hue, saturation and value (brightness); and back (a grey has hue 0 and
// saturation 0).
Rgb rgb_of_hsv(double hue, double saturation, double value);
Hsv hsv_of_rgb(const Rgb& c);

// OKLab of an sRGB colour and back (out-of-gamut results are clamped into sRGB).
Lab oklab_of_rgb(const Rgb& c);
Rgb rgb_of_oklab(const Lab& c);
// Linear-light sRGB of an OKLab colour, unclamped (it may lie outside 0 ... 1).
Rgb linear_rgb_of_oklab(const Lab& c);

// sRGB transfer: linear light to the encoded value and back.
double encode_srgb(double linear);
double decode_srgb(double encoded);

// Packing with each component rounded to 0 ... 255 (clamped), and unpacking.
std::uint32_t packed_of(const Rgb& c);
Rgb rgb_of_packed(std::uint32_t packed);

}  // namespace lumora::plot
