#include "report/ReportPdf.h"

#include "library/ListTexts.h"
#include "map/GpxWriter.h"
#include "map/NumberText.h"
#include "report/PdfCharts.h"

#include <cairo-pdf.h>

#include <cmath>

namespace vemora::report {

namespace {

constexpr double kContentWidth = kPageWidth - 2 * kMargin;
constexpr double kFooterY = kPageHeight - kMargin + 10;
constexpr double kStillPixels = 640; // across, for the page: enough for print at the size shown
constexpr TextStyle kLabel{8.5, Face::Bold, kQuiet};
constexpr TextStyle kValue{9.5, Face::Regular, kInk};
constexpr TextStyle kSmallText{7.5, Face::Regular, kQuiet};
constexpr TextStyle kHash{7, Face::Mono, kInk};
constexpr Rgb kX{0.80, 0.20, 0.15}, kY{0.15, 0.55, 0.20}, kZ{0.15, 0.35, 0.80};

std::string SignedText(double value, int decimals) {
    return (value >= 0 ? "+" : "") + FixedText(value, decimals);
}

std::string OffsetText(int seconds) {
    return seconds == 0 ? "S"
                        : std::string("S ") + (seconds > 0 ? "+ " : "\u2212 ") +
                              std::to_string(std::abs(seconds)) + " s";
}

std::string ByteCount(uint64_t size, const TextLookup& texts) {
    // Thousands grouped with thin spaces: the same in every language.
    std::string digits = std::to_string(size), grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += "\u2009";
        grouped += digits[i];
    }
    return Format(texts, text::kBytes, {grouped});
}

// One document drawn page by page; the page count is known after a first pass without pictures.
class Document {
public:
    Document(cairo_surface_t* surface, const PackFacts& facts, const TextLookup& texts,
             const std::string& program, int pageCount, bool pictures)
        : surface_(surface), cr_(cairo_create(surface)), canvas_(cr_.get()), facts_(facts), texts_(texts),
          program_(program), pageCount_(pageCount), pictures_(pictures) {}

    int Draw() {
        FirstPage();
        NextPage();
        TelemetryPage();
        NextPage();
        FilesPages();
        Footer();
        cairo_show_page(cr_.get());
        return page_;
    }

private:
    std::string T(int id, std::initializer_list<std::string> args = {}) const {
        return Format(texts_, id, args);
    }

    void Footer() {
        canvas_.Line(kMargin, kFooterY - 4, kPageWidth - kMargin, kFooterY - 4);
        canvas_.Text(kMargin, kFooterY, T(text::kTitle) + "  \u00b7  " + facts_.recordingName, kSmallText);
        TextStyle right = kSmallText;
        right.width = 150;
        right.right = true;
        canvas_.Text(kPageWidth - kMargin - 150, kFooterY,
                     T(text::kPage, {std::to_string(page_), std::to_string(std::max(page_, pageCount_))}),
                     right);
    }

    void NextPage() {
        Footer();
        cairo_show_page(cr_.get());
        ++page_;
        y_ = kMargin;
    }

    // A new page when height does not fit below y.
    void Room(double height) {
        if (y_ + height > kFooterY - 10)
            NextPage();
    }

    void Heading(const std::string& title) { y_ += canvas_.Text(kMargin, y_, title, {13, Face::Bold}) + 6; }

    void Fact(const std::string& label, const std::string& value, const TextStyle& style = kValue) {
        const double labelWidth = 95;
        TextStyle wrapped = style;
        wrapped.width = kContentWidth - labelWidth;
        canvas_.Text(kMargin, y_ + 1, label, kLabel);
        y_ += std::max(13.0, canvas_.Text(kMargin + labelWidth, y_, value, wrapped)) + 2;
    }

    void FirstPage() {
        y_ += canvas_.Text(kMargin, y_, T(text::kTitle), {20, Face::Bold});
        y_ += canvas_.Text(kMargin, y_ + 2, facts_.recordingPath, {8, Face::Regular, kQuiet, kContentWidth}) +
              10;
        const TelemetryAt& at = facts_.at;
        Fact(T(text::kWhat), WhatText(facts_, texts_), {9.5, Face::Bold});
        Fact(T(text::kWhen), WhenText(at.localTime));
        Fact(T(text::kWhere), WhereText(facts_, texts_));
        Fact(T(text::kSpeed), SpeedText(at, facts_.mph));
        Fact(T(text::kHeading), HeadingText(at));
        Fact(T(text::kGsensor), GText(at));
        Fact(T(text::kRecording),
             facts_.recordingName + "  \u00b7  S = " + FixedText(facts_.atMs / 1000, 2) + " s");
        Fact(T(text::kRange),
             OffsetText(static_cast<int>(std::lround((facts_.fromMs - facts_.atMs) / 1000))) + " \u2026 " +
                 OffsetText(static_cast<int>(std::lround((facts_.toMs - facts_.atMs) / 1000))));
        for (const std::string& note : facts_.notes)
            Fact(note == facts_.notes.front() ? T(text::kGaps) : "", note, {9, Face::Regular, kWarning});
        y_ += 6;
        Stills();
        Drawings();
    }

    void Stills() {
        const double gap = 8;
        const double w = (kContentWidth - 2 * gap) / 3;
        const double h = w * 9 / 16;
        for (bool rear : {false, true}) {
            y_ += canvas_.Text(kMargin, y_, T(rear ? text::kRearCamera : text::kFrontCamera), kLabel) + 2;
            int column = 0;
            for (int offset : kStillOffsets) {
                const double x = kMargin + column++ * (w + gap);
                const Still* still = Find(rear, offset);
                canvas_.Fill(x, y_, w, h, {0.12, 0.12, 0.13});
                if (still && still->picture && pictures_)
                    if (Surface full = SurfaceOf(*still->picture))
                        if (Surface small = ScaledSurface(full.get(), static_cast<int>(kStillPixels)))
                            canvas_.Picture(small.get(), x, y_, w, h);
                if (!still || !still->picture)
                    canvas_.Text(x + 6, y_ + h / 2 - 5, T(text::kNoPicture),
                                 {8, Face::Regular, {0.8, 0.8, 0.8}});
                std::string caption = OffsetText(offset);
                if (still && still->picture)
                    caption += "  \u00b7  #" + std::to_string(still->frame) + "  \u00b7  " +
                               FixedText(still->timeMs / 1000, 3) + " s";
                canvas_.Text(x, y_ + h + 1.5, caption, kSmallText);
            }
            y_ += h + 14;
        }
    }

    const Still* Find(bool rear, int offset) const {
        for (const Still& s : facts_.stills)
            if (s.rear == rear && s.offsetSeconds == offset)
                return &s;
        return nullptr;
    }

    void Drawings() {
        const double top = y_ + 4;
        const double bottom = kFooterY - 14;
        const double mapSize = std::min(bottom - top - 12, kContentWidth / 2 - 6);
        const std::string seconds60 = FixedText(kTrackMarginMs / 1000, 0);
        canvas_.Text(kMargin, top, T(text::kTrackMap, {seconds60}), {7.5, Face::Bold});
        std::vector<TimedFix> fixes = facts_.track;
        DrawTrackMap(canvas_, {kMargin, top + 12, mapSize, mapSize}, fixes, facts_.at.fix, T(text::kNoTrack));
        const double x = kMargin + mapSize + 12;
        const double w = kPageWidth - kMargin - x;
        const double h = (mapSize + 12) / 2 - 4;
        const std::string seconds15 = FixedText(kCurveMarginMs / 1000, 0);
        CurveSeries speed{"", kAccent, {}};
        for (const TimedFix& f : facts_.track)
            if (std::fabs(f.spanMs - facts_.atMs) <= kCurveMarginMs)
                speed.points.emplace_back(f.spanMs - facts_.atMs,
                                          facts_.mph ? f.fix.speedKmh * 10 / 16 : f.fix.speedKmh);
        const std::string unit = facts_.mph ? "MPH" : "km/h";
        std::string speedTitle = T(text::kSpeedCurve, {seconds15});
        if (facts_.mph)
            if (auto at = speedTitle.find("km/h"); at != std::string::npos)
                speedTitle.replace(at, 4, unit);
        DrawCurves(canvas_, {x, top, w, h}, speedTitle, {speed}, kCurveMarginMs, T(text::kNoFix));
        std::vector<CurveSeries> g{{"X", kX, {}}, {"Y", kY, {}}, {"Z", kZ, {}}};
        for (const TimedG& s : facts_.forces) {
            const double t = s.spanMs - facts_.atMs;
            g[0].points.emplace_back(t, s.g.x);
            g[1].points.emplace_back(t, s.g.y);
            g[2].points.emplace_back(t, s.g.z);
        }
        DrawCurves(canvas_, {x, top + h + 8, w, h}, T(text::kGCurve, {seconds15}), g, kCurveMarginMs,
                   T(text::kNoGsensor));
    }

    void TelemetryPage() {
        Heading(T(text::kTelemetry));
        struct Column {
            std::string title;
            double width;
        };
        const std::vector<Column> columns = {
            {T(text::kOffset), 34},
            {T(text::kLocalTime), 106},
            {T(text::kSpeed), 52},
            {T(text::kHeading), 44},
            {T(text::kLatitude), 70},
            {T(text::kLongitude), 74},
            {"G X", 45},
            {"G Y", 45},
            {"G Z", 45},
        };
        double x = kMargin;
        for (const Column& c : columns) {
            canvas_.Text(x, y_, c.title, {7.5, Face::Bold, kQuiet, c.width - 3});
            x += c.width;
        }
        y_ += 20;
        canvas_.Line(kMargin, y_ - 3, kPageWidth - kMargin, y_ - 3, kQuiet);
        for (const TelemetryAt& at : facts_.perSecond) {
            const int offset = static_cast<int>(std::lround((at.spanMs - facts_.atMs) / 1000));
            const bool moment = offset == 0;
            if (moment)
                canvas_.Fill(kMargin, y_ - 2, kContentWidth, 15, {1.0, 0.93, 0.90});
            const std::vector<std::string> cells = {
                offset == 0 ? "S" : (offset > 0 ? "+" : "\u2212") + std::to_string(std::abs(offset)),
                WhenText(at.localTime),
                SpeedText(at, facts_.mph),
                HeadingText(at),
                at.fix ? FixedText(at.fix->latitude, 6) : "--",
                at.fix ? FixedText(at.fix->longitude, 6) : "--",
                at.g ? SignedText(at.g->x, 2) : "--",
                at.g ? SignedText(at.g->y, 2) : "--",
                at.g ? SignedText(at.g->z, 2) : "--",
            };
            x = kMargin;
            for (size_t i = 0; i < cells.size(); ++i) {
                canvas_.Text(x, y_, cells[i], {8, moment ? Face::Bold : Face::Regular});
                x += columns[i].width;
            }
            y_ += 15;
            canvas_.Line(kMargin, y_ - 2, kPageWidth - kMargin, y_ - 2, {0.92, 0.92, 0.94}, 0.4);
        }
        y_ += 8;
        if (!facts_.perSecond.empty() && !facts_.perSecond.front().hasGsensorData)
            y_ +=
                canvas_.Text(kMargin, y_, T(text::kNoGsensor), {8.5, Face::Regular, kWarning, kContentWidth});
    }

    void FilesPages() {
        Heading(T(text::kOriginals));
        for (const OriginalFile& file : facts_.originals) {
            Room(66);
            y_ +=
                canvas_.Text(kMargin, y_,
                             file.name + "  (" + T(file.rear ? text::kRearCamera : text::kFrontCamera) + ")",
                             {9, Face::Bold, kInk, kContentWidth}) +
                1;
            FileLine(T(text::kCardPath), file.cardPath, kSmallText);
            FileLine(T(text::kSize), ByteCount(file.size, texts_), kSmallText);
            FileLine(T(text::kModified), UtcText(file.mtime), kSmallText);
            FileLine("SHA-256", file.sha256, kHash);
            y_ += 6;
        }
        y_ += 6;
        Room(40);
        Heading(T(text::kMadeFiles));
        for (const PackFile& file : facts_.made) {
            Room(24);
            y_ += canvas_.Text(kMargin, y_, file.packPath, {8, Face::Bold, kInk, kContentWidth});
            FileLine("SHA-256", file.sha256, kHash);
            y_ += 3;
        }
        y_ += 10;
        Room(90);
        canvas_.Line(kMargin, y_, kPageWidth - kMargin, y_, kQuiet);
        y_ += 6;
        y_ += canvas_.Text(kMargin, y_, T(text::kMadeBy, {program_, UtcText(facts_.madeUtc)}),
                           {8.5, Face::Regular, kInk, kContentWidth}) +
              6;
        y_ += canvas_.Text(kMargin, y_, T(text::kHowToCheck), {8.5, Face::Regular, kInk, kContentWidth}) + 4;
        y_ += canvas_.Text(kMargin + 12, y_, "sha256sum -c SHA256SUMS", {9, Face::Mono, kInk});
    }

    void FileLine(const std::string& label, const std::string& value, const TextStyle& style) {
        TextStyle wrapped = style;
        wrapped.width = kContentWidth - 90;
        canvas_.Text(kMargin + 8, y_, label, {7, Face::Regular, kQuiet});
        y_ += std::max(10.0, canvas_.Text(kMargin + 90, y_, value, wrapped)) + 1;
    }

    cairo_surface_t* surface_;
    Context cr_;
    PdfCanvas canvas_;
    const PackFacts& facts_;
    const TextLookup& texts_;
    const std::string& program_;
    int pageCount_ = 0;
    bool pictures_ = true;
    int page_ = 1;
    double y_ = kMargin;
};

cairo_status_t AppendTo(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t Discard(void*, const unsigned char*, unsigned int) {
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::string WhenText(int64_t localTime) {
    const std::string text = localTime != 0 ? FormatLocalTime(localTime, kGroupStartFormat) : std::string();
    return text.empty() ? "--" : text;
}

std::string SpeedText(const TelemetryAt& at, bool mph) {
    if (!at.fix)
        return "--";
    // The speed label's conversion: km/h x 10 / 16.
    return mph ? std::to_string(at.fix->speedKmh * 10 / 16) + " MPH"
               : std::to_string(at.fix->speedKmh) + " km/h";
}

std::string HeadingText(const TelemetryAt& at) {
    if (!at.fix)
        return "--";
    char text[16];
    std::snprintf(text, sizeof text, "%03d\u00b0", at.fix->headingDegrees);
    return text;
}

std::string GText(const TelemetryAt& at) {
    if (!at.g)
        return "--";
    return "X " + SignedText(at.g->x, 2) + "   Y " + SignedText(at.g->y, 2) + "   Z " +
           SignedText(at.g->z, 2) + " g";
}

std::string PositionText(const Fix& fix) {
    return FixedText(std::fabs(fix.latitude), 6) + (fix.latitude < 0 ? " S  " : " N  ") +
           FixedText(std::fabs(fix.longitude), 6) + (fix.longitude < 0 ? " W" : " E");
}

std::string WhatText(const PackFacts& facts, const TextLookup& texts) {
    if (!facts.incident)
        return Format(texts, text::kMarkedByUser);
    const Incident& incident = facts.incident->incident;
    std::string what = incident.kind == IncidentKind::Jolt
                           ? Format(texts, text::kJolt, {FixedText(incident.strength, 2)})
                           : Format(texts, text::kHardBraking, {FixedText(incident.strength, 1)});
    const double offset = (facts.incident->spanMs - facts.atMs) / 1000;
    if (std::fabs(offset) >= 0.05)
        what += "  (S " + SignedText(offset, 1) + " s)";
    return what;
}

std::string WhereText(const PackFacts& facts, const TextLookup& texts) {
    if (!facts.at.fix)
        return Format(texts, text::kNoFix);
    std::string where = PositionText(*facts.at.fix);
    if (facts.place)
        where += "  \u00b7  " + NearbyPlaceText(*facts.place, Format(texts, text::kNearPlace, {"%1", "%2"}));
    return where;
}

std::string UtcText(int64_t utcSeconds) {
    std::string iso = IsoUtcText(utcSeconds); // "2024-03-05T07:08:09Z"
    if (iso.size() == 20)
        iso = iso.substr(0, 10) + " " + iso.substr(11, 8) + " UTC";
    return iso;
}

std::string ReportPdfBytes(const PackFacts& facts, const TextLookup& texts, const std::string& program,
                           std::string* error) {
    int pages = 0;
    {
        Surface counting(cairo_pdf_surface_create_for_stream(Discard, nullptr, kPageWidth, kPageHeight));
        pages = Document(counting.get(), facts, texts, program, 0, false).Draw();
        cairo_surface_finish(counting.get());
    }
    std::string bytes;
    Surface surface(cairo_pdf_surface_create_for_stream(AppendTo, &bytes, kPageWidth, kPageHeight));
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                   (Format(texts, text::kTitle) + " " + facts.recordingName).c_str());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, program.c_str());
    Document(surface.get(), facts, texts, program, pages, true).Draw();
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        *error = std::string("the PDF could not be drawn: ") +
                 cairo_status_to_string(cairo_surface_status(surface.get()));
        return {};
    }
    return bytes;
}

} // namespace vemora::report
