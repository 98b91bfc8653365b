#include "report/PdfCharts.h"

#include "map/NearestPlace.h"
#include "map/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vemora::report {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 111320.0;
constexpr double kSmallestMapMetres = 200; // a car standing still still shows a map
constexpr Rgb kTrack{0.16, 0.40, 0.75};
constexpr Rgb kMoment{0.85, 0.10, 0.10};
constexpr TextStyle kSmall{6.5, Face::Regular, kQuiet};

// Local flat projection around a centre: metres east and north.
struct Projection {
    double latitude0 = 0, longitude0 = 0, cosLatitude = 1;
    std::pair<double, double> Metres(double latitude, double longitude) const {
        double dLon = longitude - longitude0;
        if (dLon > 180)
            dLon -= 360;
        else if (dLon < -180)
            dLon += 360;
        return {dLon * kMetresPerDegree * cosLatitude, (latitude - latitude0) * kMetresPerDegree};
    }
};

std::string DistanceText(double metres) {
    return metres >= 1000 ? FixedText(metres / 1000, metres >= 10000 ? 0 : 1) + " km"
                          : FixedText(metres, 0) + " m";
}

void NorthArrow(PdfCanvas& canvas, double x, double y) {
    cairo_t* cr = canvas.Cairo();
    canvas.SetColour(kInk);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 5, y + 16);
    cairo_line_to(cr, x, y + 12);
    cairo_line_to(cr, x + 5, y + 16);
    cairo_close_path(cr);
    cairo_fill(cr);
    canvas.Text(x - 3.5, y + 17, "N", {7, Face::Bold});
}

void ScaleBar(PdfCanvas& canvas, double x, double y, double pointsPerMetre, double maxWidth) {
    // The longest round distance that fits: 1, 2 or 5 times a power of ten.
    const double most = maxWidth / pointsPerMetre;
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    const double metres = 5 * power <= most ? 5 * power : 2 * power <= most ? 2 * power : power;
    const double w = metres * pointsPerMetre;
    canvas.Line(x, y, x + w, y, kInk, 1.2);
    canvas.Line(x, y - 3, x, y + 1, kInk, 1.0);
    canvas.Line(x + w, y - 3, x + w, y + 1, kInk, 1.0);
    canvas.Text(x, y + 2, DistanceText(metres), kSmall);
}

} // namespace

double NiceStep(double value) {
    if (!(value > 0) || !std::isfinite(value))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= value * 0.999999)
            return m * power;
    return 10 * power;
}

void DrawTrackMap(PdfCanvas& canvas, const Box& box, const std::vector<TimedFix>& fixes,
                  const std::optional<Fix>& at, const std::string& emptyText) {
    canvas.Fill(box.x, box.y, box.w, box.h, {0.97, 0.97, 0.98});
    canvas.Box(box.x, box.y, box.w, box.h);
    if (fixes.empty() && !at) {
        canvas.Text(box.x + 8, box.y + box.h / 2 - 6, emptyText, {8, Face::Regular, kQuiet, box.w - 16});
        return;
    }
    Projection projection;
    const Fix centreFix = at ? *at : fixes[fixes.size() / 2].fix;
    projection.latitude0 = centreFix.latitude;
    projection.longitude0 = centreFix.longitude;
    projection.cosLatitude = std::max(0.01, std::cos(centreFix.latitude * kPi / 180));
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (const TimedFix& f : fixes) {
        auto [mx, my] = projection.Metres(f.fix.latitude, f.fix.longitude);
        minX = std::min(minX, mx), maxX = std::max(maxX, mx);
        minY = std::min(minY, my), maxY = std::max(maxY, my);
    }
    const double pad = 14;
    const double spanX = std::max(maxX - minX, kSmallestMapMetres);
    const double spanY = std::max(maxY - minY, kSmallestMapMetres);
    const double perMetre = std::min((box.w - 2 * pad) / spanX, (box.h - 2 * pad - 14) / spanY);
    const double midX = (minX + maxX) / 2, midY = (minY + maxY) / 2;
    auto toPage = [&](double latitude, double longitude) {
        auto [mx, my] = projection.Metres(latitude, longitude);
        return std::pair{box.x + box.w / 2 + (mx - midX) * perMetre,
                         box.y + box.h / 2 - 7 - (my - midY) * perMetre};
    };
    cairo_t* cr = canvas.Cairo();
    cairo_save(cr);
    cairo_rectangle(cr, box.x, box.y, box.w, box.h);
    cairo_clip(cr);
    canvas.SetColour(kTrack);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (size_t i = 0; i < fixes.size(); ++i) {
        auto [px, py] = toPage(fixes[i].fix.latitude, fixes[i].fix.longitude);
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_stroke(cr);
    if (!fixes.empty()) {
        auto [sx, sy] = toPage(fixes.front().fix.latitude, fixes.front().fix.longitude);
        canvas.SetColour(kTrack);
        cairo_arc(cr, sx, sy, 2.2, 0, 2 * kPi);
        cairo_fill(cr);
    }
    if (at) {
        auto [px, py] = toPage(at->latitude, at->longitude);
        canvas.SetColour(kMoment);
        cairo_arc(cr, px, py, 4.5, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 1.2);
        cairo_arc(cr, px, py, 4.5, 0, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    NorthArrow(canvas, box.x + box.w - 14, box.y + 8);
    ScaleBar(canvas, box.x + 10, box.y + box.h - 14, perMetre, box.w / 3);
}

void DrawCurves(PdfCanvas& canvas, const Box& box, const std::string& title,
                const std::vector<CurveSeries>& series, double marginMs, const std::string& emptyText) {
    canvas.Text(box.x, box.y, title, {7.5, Face::Bold});
    const Box plot{box.x + 26, box.y + 13, box.w - 30, box.h - 24};
    canvas.Box(plot.x, plot.y, plot.w, plot.h);
    double low = 0, high = 0;
    bool any = false;
    for (const CurveSeries& s : series)
        for (auto [t, v] : s.points) {
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
    if (!any) {
        canvas.Text(plot.x + 6, plot.y + plot.h / 2 - 5, emptyText,
                    {7.5, Face::Regular, kQuiet, plot.w - 12});
        return;
    }
    if (high - low < 1e-9)
        low -= 1, high += 1;
    const double step = NiceStep((high - low) / 4);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    auto px = [&](double t) { return plot.x + (t + marginMs) / (2 * marginMs) * plot.w; };
    auto py = [&](double v) { return plot.y + plot.h - (v - low) / (high - low) * plot.h; };
    const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
    for (double v = low; v <= high + step / 2; v += step) {
        canvas.Line(plot.x, py(v), plot.x + plot.w, py(v), {0.90, 0.90, 0.92}, 0.4);
        TextStyle label = kSmall;
        label.width = 24;
        label.right = true;
        canvas.Text(plot.x - 26, py(v) - 4, FixedText(std::fabs(v) < step / 1000 ? 0 : v, decimals), label);
    }
    for (double t = -marginMs; t <= marginMs + 1; t += 5000) {
        canvas.Line(px(t), plot.y + plot.h, px(t), plot.y + plot.h + 2, kQuiet, 0.5);
        const std::string text = (t > 0 ? "+" : "") + FixedText(t / 1000, 0);
        canvas.Text(px(t) - canvas.TextWidth(text, kSmall) / 2, plot.y + plot.h + 2, text, kSmall);
    }
    cairo_t* cr = canvas.Cairo();
    cairo_save(cr);
    cairo_rectangle(cr, plot.x, plot.y, plot.w, plot.h);
    cairo_clip(cr);
    for (const CurveSeries& s : series) {
        canvas.SetColour(s.colour);
        cairo_set_line_width(cr, 1.0);
        bool first = true;
        for (auto [t, v] : s.points) {
            if (first)
                cairo_move_to(cr, px(t), py(v));
            else
                cairo_line_to(cr, px(t), py(v));
            first = false;
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    canvas.Line(px(0), plot.y, px(0), plot.y + plot.h, kMoment, 1.0);
    canvas.Text(px(0) + 2, plot.y + 1, "S", {6.5, Face::Bold, kMoment});
    double legendX = box.x + box.w;
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        if (it->label.empty())
            continue;
        legendX -= canvas.TextWidth(it->label, kSmall) + 14;
        canvas.Fill(legendX, box.y + 3, 8, 2, it->colour);
        canvas.Text(legendX + 10, box.y, it->label, kSmall);
    }
}

} // namespace vemora::report
