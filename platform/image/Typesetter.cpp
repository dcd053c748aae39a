#include "Typesetter.h"

#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <map>
#include <mutex>
#include FT_FREETYPE_H

namespace scrivlette::image {
namespace {

// One FreeType library, a fontconfig configuration and the faces found so
// far, shared by every caller and used by one at a time: FreeType's faces
// are not for concurrent use. Nothing here writes a file: fontconfig reads
// its caches, and a sandbox without them only makes the first match slower.
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

    // The face for a style, or for a style and a character it must have;
    // null when there is none.
    FT_Face find(const TextStyle& style, char32_t needed = 0) {
        if (!ready()) {
            return nullptr;
        }
        std::string key = style.family + (style.bold ? "/b" : "/") + (style.italic ? "i" : "");
        FcCharSet* characters = nullptr;
        if (needed != 0) {
            characters = FcCharSetCreate();
            FcCharSetAddChar(characters, needed);
        }
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(style.family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        if (characters) {
            FcPatternAddCharSet(pattern, FC_CHARSET, characters);
            FcCharSetDestroy(characters);
        }
        FcConfigSubstitute(config_, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FT_Face face = nullptr;
        if (FcPattern* match = FcFontMatch(config_, pattern, &result)) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                key =
                    reinterpret_cast<const char*>(file) + std::string("#") + std::to_string(index);
                if (auto it = faces_.find(key); it != faces_.end()) {
                    face = it->second;
                } else {
                    if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) !=
                        0) {
                        face = nullptr;
                    }
                    faces_[key] = face;
                }
            }
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        return face;
    }

private:
    bool ready() {
        if (!library_ && FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
        }
        // A configuration of our own, freed with the faces, rather than
        // fontconfig's process-wide one, which is never freed.
        if (library_ && !config_) {
            config_ = FcInitLoadConfigAndFonts();
        }
        return library_ && config_;
    }

    std::mutex mutex_;
    FT_Library library_ = nullptr;
    FcConfig* config_ = nullptr;
    std::map<std::string, FT_Face> faces_;
};

Faces& faces() {
    static Faces shared;
    return shared;
}

char32_t decodeOne(std::string_view text, std::size_t& at) {
    const std::size_t length = utf8SequenceLength(text.substr(at));
    if (length == 0) {
        ++at;
        return U'\uFFFD';
    }
    char32_t c = static_cast<unsigned char>(text[at]);
    if (length > 1) {
        c &= 0xFF >> (length + 1);
        for (std::size_t i = 1; i < length; ++i) {
            c = c << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        }
    }
    at += length;
    return c;
}

} // namespace

double drawText(Image* image, double x, double baseline, std::string_view text,
                const TextStyle& style,
                const std::function<bool(std::int64_t, std::int64_t)>& visible,
                const std::function<void(std::int64_t)>& budget) {
    const auto pixelSize =
        static_cast<FT_UInt>(std::lround(std::clamp(style.pixelSize, 1.0, maxPixelSize)));
    const std::lock_guard lock(faces().mutex());
    FT_Face primary = faces().find(style);
    if (!primary) {
        return 0; // no font at all: the text is left out, the rest still drawn
    }
    const double start = x;
    const auto top = static_cast<std::int64_t>(std::lround(baseline));
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = decodeOne(text, at);
        if (c < 0x20) {
            continue;
        }
        FT_Face face = primary;
        if (FT_Get_Char_Index(face, c) == 0) {
            face = faces().find(style, c);
            if (!face || FT_Get_Char_Index(face, c) == 0) {
                continue;
            }
        }
        // Colour-bitmap faces (emoji) come in fixed sizes: the nearest one.
        if (FT_IS_SCALABLE(face)) {
            FT_Set_Pixel_Sizes(face, 0, pixelSize);
        } else if (face->num_fixed_sizes > 0) {
            FT_Select_Size(face, 0);
        }
        const FT_Int32 flags = image ? FT_LOAD_RENDER : FT_LOAD_DEFAULT;
        if (FT_Load_Char(face, c, flags) != 0) {
            continue;
        }
        const FT_GlyphSlot glyph = face->glyph;
        const double scale = FT_IS_SCALABLE(face) || face->size->metrics.y_ppem == 0
                                 ? 1.0
                                 : double(pixelSize) / double(face->size->metrics.y_ppem);
        if (image) {
            const FT_Bitmap& bitmap = glyph->bitmap;
            if (budget) {
                budget(std::int64_t{bitmap.width} * bitmap.rows);
            }
            const auto left = static_cast<std::int64_t>(std::lround(x)) + glyph->bitmap_left;
            const std::int64_t glyphTop =
                top - std::int64_t(std::lround(glyph->bitmap_top * scale));
            const auto rows = static_cast<std::int64_t>(std::lround(bitmap.rows * scale));
            const auto columns = static_cast<std::int64_t>(std::lround(bitmap.width * scale));
            for (std::int64_t row = 0; row < rows; ++row) {
                const std::int64_t y = glyphTop + row;
                if (y < 0 || y >= std::int64_t(image->height)) {
                    continue;
                }
                const auto from = static_cast<unsigned>(double(row) / scale);
                for (std::int64_t column = 0; column < columns; ++column) {
                    const std::int64_t px = left + column;
                    if (px < 0 || px >= std::int64_t(image->width) ||
                        (visible && !visible(px, y))) {
                        continue;
                    }
                    const auto source = static_cast<unsigned>(double(column) / scale);
                    // A negative pitch means the rows are stored bottom first.
                    const std::ptrdiff_t pitch = bitmap.pitch;
                    const std::ptrdiff_t rowAt =
                        pitch >= 0 ? std::ptrdiff_t{from} * pitch
                                   : (std::ptrdiff_t{bitmap.rows} - 1 - from) * -pitch;
                    const unsigned char* in = bitmap.buffer + rowAt;
                    std::array<std::uint8_t, 3> colour = style.colour;
                    std::uint8_t coverage = 0;
                    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                        coverage = static_cast<std::uint8_t>(
                            ((in[source / 8] >> (7 - source % 8)) & 1) * 255);
                    } else if (bitmap.pixel_mode == FT_PIXEL_MODE_BGRA) {
                        const unsigned char* bgra = in + std::size_t{source} * 4;
                        coverage = bgra[3];
                        if (coverage != 0) { // premultiplied
                            colour = {std::uint8_t(bgra[2] * 255 / coverage),
                                      std::uint8_t(bgra[1] * 255 / coverage),
                                      std::uint8_t(bgra[0] * 255 / coverage)};
                        }
                    } else {
                        coverage = in[source];
                    }
                    if (coverage == 0) {
                        continue;
                    }
                    std::uint8_t* pixel =
                        image->rgba.data() + (std::size_t(y) * image->width + px) * 4;
                    if (pixel[3] == 0) { // clear is paper: white
                        pixel[0] = pixel[1] = pixel[2] = 255;
                    }
                    for (int channel = 0; channel < 3; ++channel) {
                        pixel[channel] = static_cast<std::uint8_t>(
                            (colour[channel] * coverage + pixel[channel] * (255 - coverage) + 127) /
                            255);
                    }
                    pixel[3] = 255;
                }
            }
        }
        x += double(glyph->advance.x) / 64 * scale;
    }
    return x - start;
}

} // namespace scrivlette::image
