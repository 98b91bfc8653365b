#pragma once
// The drawings of the report's first page: the track around the moment drawn from its fixes
// alone (no map tiles), with a north arrow, a scale bar and the position marked; and curves over
// time with the moment marked.

#include "report/MomentFacts.h"
#include "report/PdfCanvas.h"

#include <optional>
#include <string>
#include <vector>

namespace vemora::report {

struct Box {
    double x = 0, y = 0, w = 0, h = 0;
};

// fixes in time order; at is the position at the moment (marked), when known. emptyText is shown
// when there is no fix to draw.
void DrawTrackMap(PdfCanvas& canvas, const Box& box, const std::vector<TimedFix>& fixes,
                  const std::optional<Fix>& at, const std::string& emptyText);

struct CurveSeries {
    std::string label; // shown in the legend; empty: no legend
    Rgb colour;
    std::vector<std::pair<double, double>> points; // (time in ms from the moment, value)
};

// Curves from -marginMs to +marginMs around the moment (at 0), which is marked.
void DrawCurves(PdfCanvas& canvas, const Box& box, const std::string& title,
                const std::vector<CurveSeries>& series, double marginMs, const std::string& emptyText);

// A value rounded to 1, 2 or 5 times a power of ten, at or above value.
double NiceStep(double value);

} // namespace vemora::report
