#include "report/PdfCanvas.h"

#include <algorithm>
#include <memory>

namespace vemora::report {

namespace {

const char* FamilyOf(Face face) {
    // Generic families: fontconfig finds the CJK, Cyrillic and Latin faces behind them.
    return face == Face::Mono ? "Monospace" : "Sans";
}

struct LayoutRelease {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};

} // namespace

PangoLayout* PdfCanvas::Layout(const std::string& text, const TextStyle& style) {
    PangoLayout* layout = pango_cairo_create_layout(cr_);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, FamilyOf(style.face));
    pango_font_description_set_weight(font,
                                      style.face == Face::Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    if (style.width > 0) {
        pango_layout_set_width(layout, static_cast<int>(style.width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        if (style.right)
            pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
    }
    // Plain text: names from the card are never read as markup.
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    return layout;
}

double PdfCanvas::Text(double x, double y, const std::string& text, const TextStyle& style) {
    std::unique_ptr<PangoLayout, LayoutRelease> layout(Layout(text, style));
    SetColour(style.colour);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout.get());
    int w = 0, h = 0;
    pango_layout_get_size(layout.get(), &w, &h);
    return static_cast<double>(h) / PANGO_SCALE;
}

double PdfCanvas::TextWidth(const std::string& text, const TextStyle& style) {
    std::unique_ptr<PangoLayout, LayoutRelease> layout(Layout(text, style));
    int w = 0, h = 0;
    pango_layout_get_size(layout.get(), &w, &h);
    return static_cast<double>(w) / PANGO_SCALE;
}

void PdfCanvas::SetColour(Rgb colour) {
    cairo_set_source_rgb(cr_, colour.r, colour.g, colour.b);
}

void PdfCanvas::Line(double x1, double y1, double x2, double y2, Rgb colour, double width) {
    SetColour(colour);
    cairo_set_line_width(cr_, width);
    cairo_move_to(cr_, x1, y1);
    cairo_line_to(cr_, x2, y2);
    cairo_stroke(cr_);
}

void PdfCanvas::Box(double x, double y, double w, double h, Rgb colour, double width) {
    SetColour(colour);
    cairo_set_line_width(cr_, width);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_stroke(cr_);
}

void PdfCanvas::Fill(double x, double y, double w, double h, Rgb colour) {
    SetColour(colour);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
}

void PdfCanvas::Picture(cairo_surface_t* picture, double x, double y, double w, double h) {
    const double pw = cairo_image_surface_get_width(picture);
    const double ph = cairo_image_surface_get_height(picture);
    if (pw <= 0 || ph <= 0)
        return;
    const double scale = std::min(w / pw, h / ph);
    cairo_save(cr_);
    cairo_translate(cr_, x + (w - pw * scale) / 2, y + (h - ph * scale) / 2);
    cairo_scale(cr_, scale, scale);
    cairo_set_source_surface(cr_, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

} // namespace vemora::report
