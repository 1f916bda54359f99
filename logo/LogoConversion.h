// The receipt logo's conversion from gray levels to black and white dots: the brightness and
// contrast adjustment through the tone curve, the serpentine error diffusion (or a plain threshold
// at 128), and the dots painted into the picture that is shown and uploaded. Integer arithmetic on
// byte arrays throughout, since it runs again at every movement of a track bar.
#pragma once

#include "logo/LogoPicture.h"

#include <array>

constexpr int kMinBrightness = -128;
constexpr int kMaxBrightness = 128;
constexpr int kMinContrast = 0;
constexpr int kMaxContrast = 255;

// The three controls of the conversion: brightness, contrast and "50% Threshold".
struct LogoControls {
    int brightness = 0;
    int contrast = 128;
    bool threshold = false;
};

// T[v] = 128 + 128 × sin(π × (v − 128) / 256) − v, truncated toward zero: the S-curve's distance
// from the straight line, −26 to 26.
const std::array<int, 256>& toneTable();

// workImage from grayImage: v + brightness clamped to 0..255, plus contrast × T[v] / 100 (truncated
// toward zero, T indexed by the unadjusted v), clamped again.
void adjustTones(const LogoPlane& gray, int brightness, int contrast, LogoPlane& work);

// Serpentine error diffusion in place: even rows left to right, odd rows right to left; each dot
// becomes 0 or 255 and hands 7/16 of its error ahead, 5/16 below, 1/16 below ahead and 3/16 below
// behind, each share truncated and clamped to 0..255, shares outside the image dropped.
void ditherImage(uint8_t* image, int width, int height);

// The logo as the window keeps it from one conversion to the next.
struct LogoImages {
    LogoPlane grayImage{}; // written only when a picture is loaded; all 0 before
    LogoPlane workImage{};
    QImage picture; // 384 × h, what is shown and uploaded; no rows before a picture is loaded
};

// A picture from loadLogo*: it becomes the shown picture and its gray levels are kept.
void takePicture(LogoImages& images, const QImage& picture);

// Converts the kept gray levels with the controls and paints the picture's rows: black where the
// result is below 128, white elsewhere.
void convertLogo(LogoImages& images, const LogoControls& controls);
