#pragma once

#include "render/picture.h"

#include <cstdint>
#include <optional>
#include <string>

// The values every routine of the program shares: unit constants, limits and steps of the dimensions, and
// what the last rendering left. The caller owns one instance and hands it to the routines that need it.
namespace quillmark {

struct Globals {
    // Unit constants, computed in double and stored as float.
    float PPM = 0;       // points per micrometre
    float theModule = 0; // the narrow bar at 100 %, 0.5 mm, in points
    float theConA = 0;   // millimetres per point
    float theConZ = 0;   // points per millimetre
    double theIS = 0;    // pixels per point of the rendering behind the screen and the printout

    std::int32_t MagLow = 0, MagHigh = 0, MagStep = 0;
    std::int32_t HeightLow = 0, HeightHigh = 0, HeightStep = 0;
    std::int32_t BWALow = 0, BWAHigh = 0, BWAStep = 0;
    std::int32_t MarginLow = 0, MarginHigh = 0, MarginStep = 0;

    std::string theCR; // the line end of every document line

    // Results of the last rendering.
    double theCodeWidth = 0;              // pixels at the rendering's scale, colour-change gaps included
    double theHeight = 0;                 // pixels at the rendering's scale
    double theCodeWidthDisplay = 0;       // millimetres
    double theCodeHeightDisplay = 0;      // millimetres
    float theRat = 0;                     // widened width / plain width
    std::optional<Picture> theSurfacePic; // the code as last shown on screen, one pixel per point

    std::int32_t theFormatSize = 0; // templates found at start-up
};

} // namespace quillmark
