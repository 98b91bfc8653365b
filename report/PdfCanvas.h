#pragma once
// A page of the report as cairo and pango draw it: text set with pango (so that every script of
// the interface languages finds a font), lines, boxes and pictures, in points on an A4 page.

#include "report/CairoImage.h"

#include <pango/pangocairo.h>

#include <string>

namespace vemora::report {

inline constexpr double kPageWidth = 595.276; // A4 in points
inline constexpr double kPageHeight = 841.89;
inline constexpr double kMargin = 40;

struct Rgb {
    double r = 0, g = 0, b = 0;
};
inline constexpr Rgb kInk{0.10, 0.10, 0.12};
inline constexpr Rgb kQuiet{0.42, 0.42, 0.46};
inline constexpr Rgb kWarning{0.70, 0.12, 0.10};
inline constexpr Rgb kAccent{0.08, 0.36, 0.70};
inline constexpr Rgb kRule{0.80, 0.80, 0.83};

enum class Face { Regular, Bold, Mono };

struct TextStyle {
    double size = 9;
    Face face = Face::Regular;
    Rgb colour = kInk;
    double width = -1;  // wrap at this width; -1 = one line
    bool right = false; // aligned to the right edge of width
};

class PdfCanvas {
public:
    explicit PdfCanvas(cairo_t* cr) : cr_(cr) {}
    cairo_t* Cairo() const { return cr_; }

    // Draws text with its top-left corner at (x, y); returns its height.
    double Text(double x, double y, const std::string& text, const TextStyle& style = {});
    double TextWidth(const std::string& text, const TextStyle& style = {});
    void Line(double x1, double y1, double x2, double y2, Rgb colour = kRule, double width = 0.6);
    void Box(double x, double y, double w, double h, Rgb colour = kRule, double width = 0.6);
    void Fill(double x, double y, double w, double h, Rgb colour);
    // The picture fitted into the box, centred, keeping its shape.
    void Picture(cairo_surface_t* picture, double x, double y, double w, double h);
    void SetColour(Rgb colour);

private:
    PangoLayout* Layout(const std::string& text, const TextStyle& style);
    cairo_t* cr_;
};

} // namespace vemora::report
