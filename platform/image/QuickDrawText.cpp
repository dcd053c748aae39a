// QuickDraw's text, drawn with the faces a Linux desktop has: fontconfig
// finds the stand-in for a Mac font, FreeType draws its glyphs.

#include "QuickDraw.h"
#include "platform/TextDecoding.h"

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <map>
#include <mutex>
#include FT_FREETYPE_H

namespace scrivlette::image {
namespace {

// One FreeType library and the faces found so far, shared by every decoder
// and used by one at a time: FreeType's faces are not for concurrent use.
class Faces {
public:
    ~Faces() {
        for (auto& [key, face] : faces_) {
            if (face) {
                FT_Done_Face(face);
            }
        }
        if (library_) {
            FT_Done_FreeType(library_);
        }
        if (config_) {
            FcConfigDestroy(config_);
        }
    }

    std::mutex& mutex() { return mutex_; }

    // The face for a family and style, or null when there is none.
    FT_Face find(const Drawing::Font& font) {
        if (!library_ && FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return nullptr;
        }
        const std::string key = font.family + (font.bold ? "/b" : "/") + (font.italic ? "i" : "");
        if (auto it = faces_.find(key); it != faces_.end()) {
            return it->second;
        }
        // A configuration of our own, freed with the faces, rather than
        // fontconfig's process-wide one, which is never freed.
        if (!config_ && !(config_ = FcInitLoadConfigAndFonts())) {
            return nullptr;
        }
        FT_Face face = nullptr;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(font.family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcConfigSubstitute(config_, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(config_, pattern, &result)) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) != 0) {
                    face = nullptr;
                }
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        faces_[key] = face;
        return face;
    }

private:
    std::mutex mutex_;
    FT_Library library_ = nullptr;
    FcConfig* config_ = nullptr;
    std::map<std::string, FT_Face> faces_;
};

Faces& faces() {
    static Faces shared;
    return shared;
}

// The largest text drawn, in canvas pixels: past it, glyphs cost more than
// any picture shows.
constexpr double maxPixelSize = 2048;

} // namespace

void Drawing::text(Point at, std::string_view macRoman, const Font& font) {
    if (macRoman.empty() || suppressed_) {
        return;
    }
    const std::string utf8 = decodeMacRoman(asBytes(macRoman));
    const double pixelSize =
        std::clamp(std::max(font.size, 1.0) * canvas_.scaleY(), 1.0, maxPixelSize);
    Image& pixels = canvas_.pixels();
    const std::lock_guard lock(faces().mutex());
    FT_Face face = faces().find(font);
    if (!face || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::lround(pixelSize))) != 0) {
        return; // no font at all: the text is left out, the rest still drawn
    }
    double penX = toX(at.x);
    const auto baseline = static_cast<std::int64_t>(std::lround(toY(at.y)));
    for (std::size_t i = 0; i < utf8.size();) {
        // Mac OS Roman decodes to characters of at most three bytes.
        const std::size_t length = std::max<std::size_t>(1, utf8SequenceLength(utf8.substr(i)));
        char32_t c = static_cast<unsigned char>(utf8[i]);
        if (length == 2) {
            c = (c & 0x1F) << 6 | (utf8[i + 1] & 0x3F);
        } else if (length == 3) {
            c = (c & 0x0F) << 12 | (utf8[i + 1] & 0x3F) << 6 | (utf8[i + 2] & 0x3F);
        }
        i += length;
        if (c == '\r' || c == '\n' || FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) {
            continue;
        }
        const FT_GlyphSlot glyph = face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const auto left = static_cast<std::int64_t>(std::lround(penX)) + glyph->bitmap_left;
        const std::int64_t top = baseline - glyph->bitmap_top;
        canvas_.spend(std::int64_t{bitmap.width} * bitmap.rows);
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const std::int64_t y = top + row;
            if (y < 0 || y >= pixels.height) {
                continue;
            }
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const std::int64_t x = left + column;
                const std::uint8_t coverage =
                    bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                        ? static_cast<std::uint8_t>(
                              ((bitmap.buffer[row * bitmap.pitch + column / 8] >>
                                (7 - column % 8)) &
                               1) *
                              255)
                        : bitmap.buffer[row * bitmap.pitch + column];
                if (x < 0 || x >= pixels.width || coverage == 0 || !inClip(x, y)) {
                    continue;
                }
                std::uint8_t* pixel = pixels.rgba.data() + (std::size_t(y) * pixels.width + x) * 4;
                if (pixel[3] == 0) { // clear is paper: white
                    pixel[0] = pixel[1] = pixel[2] = 255;
                }
                for (int channel = 0; channel < 3; ++channel) {
                    pixel[channel] =
                        static_cast<std::uint8_t>((foreground_[channel] * coverage +
                                                   pixel[channel] * (255 - coverage) + 127) /
                                                  255);
                }
                pixel[3] = 255;
            }
        }
        penX += double(glyph->advance.x) / 64;
    }
}

bool Drawing::inClip(std::int64_t x, std::int64_t y) const {
    if (!clip_) {
        return true;
    }
    if (y >= clip_->height()) {
        return false;
    }
    const auto& row = clip_->row(y);
    return std::any_of(row.begin(), row.end(), [x](const Spans::Interval& span) {
        return x >= span.first && x < span.second;
    });
}

} // namespace scrivlette::image
