#include "media/BandPainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace vemora::media {

namespace {

constexpr uint8_t kBackground = 16; // video black
constexpr int kInk = 235 - 16;      // video white above black
// Longest line the band holds, in characters of the monospaced face.
constexpr int kLineChars = 58;

bool IsFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The code points of a UTF-8 text; the band's texts are ASCII and "°".
std::vector<uint32_t> CodePoints(const std::string& text) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80 || i + 1 >= text.size()) {
            out.push_back(c);
            ++i;
        } else {
            out.push_back(((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu));
            i += 2;
        }
    }
    return out;
}

} // namespace

struct BandPainter::Font {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Font() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

std::string FindBandFont() {
    if (const char* chosen = std::getenv("VEMORA_BAND_FONT"); chosen && IsFile(chosen))
        return chosen;
    for (const char* path : {"/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf"})
        if (IsFile(path))
            return path;
    return {};
}

int BandHeightFor(int pictureHeight) {
    int height = std::max(44, pictureHeight / 9);
    return height & ~1;
}

BandPainter::~BandPainter() = default;

std::unique_ptr<BandPainter> BandPainter::Create(const std::string& fontPath, int width, int height,
                                                 std::string* error) {
    std::unique_ptr<BandPainter> painter(new BandPainter);
    painter->m_font = std::make_unique<Font>();
    if (FT_Init_FreeType(&painter->m_font->library) != 0) {
        *error = "cannot start the font renderer";
        return nullptr;
    }
    if (fontPath.empty() ||
        FT_New_Face(painter->m_font->library, fontPath.c_str(), 0, &painter->m_font->face) != 0) {
        *error = (fontPath.empty() ? std::string("no font for the telemetry band")
                                   : fontPath + ": cannot load the font") +
                 " (install fonts-dejavu-core, or leave the band out)";
        return nullptr;
    }
    painter->m_width = width;
    painter->m_height = height;
    painter->m_margin = std::max(4, height / 6);
    // Two lines in the band, each fitting the width with the longest text.
    int pixels = height * 36 / 100;
    FT_Face face = painter->m_font->face;
    for (; pixels > 6; --pixels) {
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0)
            continue;
        long advance = face->size->metrics.max_advance >> 6;
        if (advance * kLineChars <= width - 2 * painter->m_margin)
            break;
    }
    painter->m_luma.assign(static_cast<size_t>(width) * height, kBackground);
    return painter;
}

const std::vector<uint8_t>& BandPainter::Luma(const std::array<std::string, 2>& lines) {
    if (!m_drawn || lines != m_shown) {
        Draw(lines);
        m_shown = lines;
        m_drawn = true;
    }
    return m_luma;
}

void BandPainter::Draw(const std::array<std::string, 2>& lines) {
    std::fill(m_luma.begin(), m_luma.end(), kBackground);
    FT_Face face = m_font->face;
    int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    int descent = static_cast<int>(-face->size->metrics.descender >> 6);
    int lineHeight = ascent + descent;
    int gap = std::max(0, (m_height - 2 * lineHeight) / 3);
    DrawLine(lines[0], gap + ascent);
    DrawLine(lines[1], 2 * gap + lineHeight + ascent);
}

void BandPainter::DrawLine(const std::string& text, int baseline) {
    FT_Face face = m_font->face;
    int penX = m_margin;
    for (uint32_t code : CodePoints(text)) {
        if (FT_Load_Char(face, code, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlot glyph = face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        int left = penX + glyph->bitmap_left;
        int top = baseline - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            int y = top + static_cast<int>(row);
            if (y < 0 || y >= m_height)
                continue;
            const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
            uint8_t* dst = m_luma.data() + static_cast<size_t>(y) * m_width;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                int x = left + static_cast<int>(col);
                if (x < 0 || x >= m_width)
                    continue;
                int value = kBackground + kInk * src[col] / 255;
                dst[x] = static_cast<uint8_t>(std::max<int>(dst[x], value));
            }
        }
        penX += static_cast<int>(glyph->advance.x >> 6);
    }
}

} // namespace vemora::media
