#include "Typesetter.h"

#include "platform/text/TextDecoding.h"

#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>
#include FT_FREETYPE_H

namespace scrivlette::image {
namespace {

// A fontconfig match costs as much as drawing a good many glyphs: what a
// text asks of the budget for each one it needs.
constexpr std::int64_t lookupCost = 20000;
// Past this many remembered advances the table starts again: a text can
// hold every character there is.
constexpr std::size_t maxAdvances = 1 << 16;

std::string styleKey(const TextStyle& style) {
    return style.family + (style.bold ? "/b" : "/") + (style.italic ? "i" : "");
}

// One FreeType library, a fontconfig configuration and the faces found so
// far, shared by every caller and used by one at a time: FreeType's faces
// are not for concurrent use. Nothing here writes a file: fontconfig reads
// its caches, and a sandbox without them only makes the first match slower.
// Every answer is remembered, a character no face has among them, so a
// text costs one fontconfig match per style and per character the style's
// faces lack, however often it asks.
class Faces {
public:
    ~Faces() {
        for (auto& [key, face] : files_) {
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

    // The face for a style; null when there is none. `lookups` counts the
    // fontconfig matches made.
    FT_Face primary(const TextStyle& style, std::int64_t& lookups) {
        const std::string key = styleKey(style);
        if (const auto it = primaries_.find(key); it != primaries_.end()) {
            return it->second;
        }
        ++lookups;
        return primaries_[key] = match(style, 0);
    }

    // A face of the style that has `needed`: one found before for another
    // character if it has this one too, else a new match; null when no face
    // has it.
    FT_Face fallback(const TextStyle& style, char32_t needed, std::int64_t& lookups) {
        const auto key = std::make_pair(styleKey(style), needed);
        if (const auto it = fallbacks_.find(key); it != fallbacks_.end()) {
            return it->second;
        }
        std::vector<FT_Face>& tried = fallbackFaces_[key.first];
        for (FT_Face face : tried) {
            if (FT_Get_Char_Index(face, needed) != 0) {
                return fallbacks_[key] = face;
            }
        }
        ++lookups;
        FT_Face face = match(style, needed);
        if (face && FT_Get_Char_Index(face, needed) == 0) {
            face = nullptr;
        }
        if (face && std::find(tried.begin(), tried.end(), face) == tried.end()) {
            tried.push_back(face);
        }
        return fallbacks_[key] = face;
    }

    // How far a character moves the pen, remembered per face and size.
    std::optional<double> advance(FT_Face face, FT_UInt size, char32_t c) {
        const auto it = advances_.find({face, size, c});
        return it == advances_.end() ? std::nullopt : std::optional(it->second);
    }
    void rememberAdvance(FT_Face face, FT_UInt size, char32_t c, double advance) {
        if (advances_.size() >= maxAdvances) {
            advances_.clear();
        }
        advances_[{face, size, c}] = advance;
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

    FT_Face match(const TextStyle& style, char32_t needed) {
        if (!ready()) {
            return nullptr;
        }
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(style.family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        if (needed != 0) {
            FcCharSet* characters = FcCharSetCreate();
            FcCharSetAddChar(characters, needed);
            FcPatternAddCharSet(pattern, FC_CHARSET, characters);
            FcCharSetDestroy(characters);
        }
        FcConfigSubstitute(config_, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FT_Face face = nullptr;
        if (FcPattern* found = FcFontMatch(config_, pattern, &result)) {
            face = open(found);
            FcPatternDestroy(found);
        }
        FcPatternDestroy(pattern);
        return face;
    }

    // The face of a match, opened once per file and index.
    FT_Face open(FcPattern* found) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(found, FC_FILE, 0, &file) != FcResultMatch) {
            return nullptr;
        }
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        const std::string key =
            reinterpret_cast<const char*>(file) + std::string("#") + std::to_string(index);
        if (const auto it = files_.find(key); it != files_.end()) {
            return it->second;
        }
        FT_Face face = nullptr;
        if (FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &face) != 0) {
            face = nullptr;
        }
        return files_[key] = face;
    }

    std::mutex mutex_;
    FT_Library library_ = nullptr;
    FcConfig* config_ = nullptr;
    std::map<std::string, FT_Face> files_;
    std::map<std::string, FT_Face> primaries_;
    std::map<std::pair<std::string, char32_t>, FT_Face> fallbacks_;
    std::map<std::string, std::vector<FT_Face>> fallbackFaces_;
    std::map<std::tuple<FT_Face, FT_UInt, char32_t>, double> advances_;
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

// How much of a glyph's pixel covers it, and in which colour (a colour
// glyph brings its own).
std::uint8_t coverageAt(const FT_Bitmap& bitmap, const unsigned char* row, unsigned source,
                        std::array<std::uint8_t, 3>& colour) {
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        return static_cast<std::uint8_t>(((row[source / 8] >> (7 - source % 8)) & 1) * 255);
    }
    if (bitmap.pixel_mode == FT_PIXEL_MODE_BGRA) {
        const unsigned char* bgra = row + std::size_t{source} * 4;
        const std::uint8_t coverage = bgra[3];
        if (coverage != 0) { // premultiplied
            colour = {std::uint8_t(bgra[2] * 255 / coverage),
                      std::uint8_t(bgra[1] * 255 / coverage),
                      std::uint8_t(bgra[0] * 255 / coverage)};
        }
        return coverage;
    }
    return row[source];
}

struct Placement {
    std::int64_t left = 0;
    std::int64_t top = 0;
    double scale = 1; // a fixed-size (emoji) glyph drawn at the size asked for
};

void blit(Image& image, const FT_Bitmap& bitmap, const Placement& at, const TextStyle& style,
          const std::function<bool(std::int64_t, std::int64_t)>& visible) {
    const auto rows = static_cast<std::int64_t>(std::lround(bitmap.rows * at.scale));
    const auto columns = static_cast<std::int64_t>(std::lround(bitmap.width * at.scale));
    const std::ptrdiff_t pitch = bitmap.pitch;
    for (std::int64_t row = 0; row < rows; ++row) {
        const std::int64_t y = at.top + row;
        if (y < 0 || y >= std::int64_t(image.height)) {
            continue;
        }
        const auto from = static_cast<unsigned>(double(row) / at.scale);
        // A negative pitch means the rows are stored bottom first.
        const unsigned char* in =
            bitmap.buffer + (pitch >= 0 ? std::ptrdiff_t{from} * pitch
                                        : (std::ptrdiff_t{bitmap.rows} - 1 - from) * -pitch);
        for (std::int64_t column = 0; column < columns; ++column) {
            const std::int64_t px = at.left + column;
            if (px < 0 || px >= std::int64_t(image.width) || (visible && !visible(px, y))) {
                continue;
            }
            std::array<std::uint8_t, 3> colour = style.colour;
            const std::uint8_t coverage =
                coverageAt(bitmap, in, static_cast<unsigned>(double(column) / at.scale), colour);
            if (coverage == 0) {
                continue;
            }
            std::uint8_t* pixel = image.rgba.data() + (std::size_t(y) * image.width + px) * 4;
            if (pixel[3] == 0) { // clear is paper: white
                pixel[0] = pixel[1] = pixel[2] = 255;
            }
            for (int channel = 0; channel < 3; ++channel) {
                pixel[channel] = static_cast<std::uint8_t>(
                    (colour[channel] * coverage + pixel[channel] * (255 - coverage) + 127) / 255);
            }
            pixel[3] = 255;
        }
    }
}

// Sets the face to the size; the scale a fixed-size face's glyphs need.
double sizeFace(FT_Face face, FT_UInt pixelSize) {
    // Colour-bitmap faces (emoji) come in fixed sizes: the nearest one.
    if (FT_IS_SCALABLE(face)) {
        FT_Set_Pixel_Sizes(face, 0, pixelSize);
        return 1;
    }
    if (face->num_fixed_sizes > 0) {
        FT_Select_Size(face, 0);
    }
    return face->size->metrics.y_ppem == 0 ? 1.0
                                           : double(pixelSize) / double(face->size->metrics.y_ppem);
}

} // namespace

double drawText(Image* image, double x, double baseline, std::string_view text,
                const TextStyle& style,
                const std::function<bool(std::int64_t, std::int64_t)>& visible,
                const std::function<void(std::int64_t)>& budget) {
    const auto pixelSize =
        static_cast<FT_UInt>(std::lround(std::clamp(style.pixelSize, 1.0, maxPixelSize)));
    const std::lock_guard lock(faces().mutex());
    std::int64_t lookups = 0;
    const auto charge = [&](std::int64_t pixels) {
        if (budget && (pixels > 0 || lookups > 0)) {
            const std::int64_t spent = pixels + lookups * lookupCost;
            lookups = 0;
            budget(spent);
        }
    };
    FT_Face primary = faces().primary(style, lookups);
    charge(0);
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
        FT_Face face =
            FT_Get_Char_Index(primary, c) != 0 ? primary : faces().fallback(style, c, lookups);
        charge(0);
        if (!face) {
            continue;
        }
        if (!image) {
            if (const auto known = faces().advance(face, pixelSize, c)) {
                x += *known;
                continue;
            }
        }
        const double scale = sizeFace(face, pixelSize);
        if (FT_Load_Char(face, c, image ? FT_LOAD_RENDER : FT_LOAD_DEFAULT) != 0) {
            continue;
        }
        const FT_GlyphSlot glyph = face->glyph;
        const double advance = double(glyph->advance.x) / 64 * scale;
        faces().rememberAdvance(face, pixelSize, c, advance);
        if (image) {
            charge(std::int64_t{glyph->bitmap.width} * glyph->bitmap.rows);
            const Placement placement{
                static_cast<std::int64_t>(std::lround(x)) + glyph->bitmap_left,
                top - std::int64_t(std::lround(glyph->bitmap_top * scale)), scale};
            blit(*image, glyph->bitmap, placement, style, visible);
        }
        x += advance;
    }
    return x - start;
}

} // namespace scrivlette::image
