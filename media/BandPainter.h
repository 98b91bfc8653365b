#pragma once
// Draws the telemetry band's two lines of text, light on dark, into a luma plane with FreeType:
// the band is grey, so its chroma stays neutral and nothing is converted per frame.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vemora::media {

// The font the band is drawn with (the monospaced DejaVu face of Debian's fonts-dejavu-core;
// VEMORA_BAND_FONT names another). Empty when none is installed.
std::string FindBandFont();

// Height of the band under pictures of this height: two legible lines from 360p to 2160p.
int BandHeightFor(int pictureHeight);

class BandPainter {
public:
    // Null with the reason in *error when the font cannot be loaded.
    static std::unique_ptr<BandPainter> Create(const std::string& fontPath, int width, int height,
                                               std::string* error);
    ~BandPainter();

    // The band's luma for these lines; drawn again only when the text changed.
    const std::vector<uint8_t>& Luma(const std::array<std::string, 2>& lines);
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    struct Font;
    BandPainter() = default;
    void Draw(const std::array<std::string, 2>& lines);
    void DrawLine(const std::string& text, int baseline);

    std::unique_ptr<Font> m_font;
    int m_width = 0;
    int m_height = 0;
    int m_margin = 0;
    std::vector<uint8_t> m_luma;
    std::array<std::string, 2> m_shown;
    bool m_drawn = false;
};

} // namespace vemora::media
