#include "formats/Picture.h"

#include "PictWriter.h"
#include "TestSupport.h"
#include "formats/codecs/Codecs.h"
#include "formats/codecs/ColourManagement.h"
#include "formats/codecs/ProfileCheck.h"
#include "formats/pict/PackBits.h"
#include "formats/pict/Pict.h"
#include "formats/plist/PropertyList.h"
#include "formats/rtfd/FlatRtfd.h"
#include "hostile/HostileFiles.h"
#include "platform/ByteReader.h"
#include "platform/image/Budget.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <tiffio.h>
#include <tuple>

namespace scrivlette::image {
namespace {

// The 3 x 2 picture every synthetic PICT below draws.
void expectRgbPicture(const ImageResult& result) {
    ASSERT_TRUE(result) << result.error();
    ASSERT_EQ(result->width, 3u);
    ASSERT_EQ(result->height, 2u);
    EXPECT_EQ(pixelAt(*result, 0, 0), red);
    EXPECT_EQ(pixelAt(*result, 1, 0), green);
    EXPECT_EQ(pixelAt(*result, 2, 0), blue);
    EXPECT_EQ(pixelAt(*result, 0, 1), white);
    EXPECT_EQ(pixelAt(*result, 2, 1), black);
}

std::string directBits(unsigned packType, unsigned pixelSize, unsigned components,
                       std::size_t rowBytes, const std::vector<std::string>& rows) {
    PictWriter pict;
    pict.op(0x001E); // a zero-length opcode first, to be skipped
    pict.op(0x00A1).u16(100).u16(4).raw("note");
    pict.op(0x009A).u32(0xFF).u16(0x8000 | static_cast<unsigned>(rowBytes)).rect(0, 0, 2, 3);
    pict.pixMap(packType, pixelSize, components).rect(0, 0, 2, 3).rect(0, 0, 2, 3).u16(0);
    for (const std::string& row : rows) {
        pict.raw(row);
    }
    return pict.finish();
}

TEST(Pict, EveryPixelFormatDrawsTheSamePicture) {
    const std::string argb0 = std::string("\0\xFF\0\0\0\0\xFF\0\0\0\0\xFF", 12);
    const std::string argb1 = std::string("\0\xFF\xFF\xFF\0\0\0\0", 8) + std::string(4, '\0');
    std::string argb1Black = argb1;
    argb1Black.replace(4, 4, std::string("\0\0\0\0", 4));
    // 16 bits: x RRRRR GGGGG BBBBB.
    const std::string rgb16Row0("\x7C\x00\x03\xE0\x00\x1F", 6);
    const std::string rgb16Row1("\x7F\xFF\x7F\xFF\x00\x00", 6);
    const std::string planes0("\xFF\x00\x00"
                              "\x00\xFF\x00"
                              "\x00\x00\xFF",
                              9);
    const std::string planes1("\xFF\xFF\x00"
                              "\xFF\xFF\x00"
                              "\xFF\xFF\x00",
                              9);
    const std::string alpha("\xFF\xFF\xFF", 3);
    const struct {
        const char* name;
        std::string pict;
    } cases[] = {
        {"32 bits unpacked (pack type 1)",
         directBits(1, 32, 3, 12,
                    {argb0, std::string("\0\xFF\xFF\xFF\0\xFF\xFF\xFF\0\0\0\0", 12)})},
        {"32 bits without pad byte (pack type 2)",
         directBits(2, 32, 3, 12,
                    {std::string("\xFF\0\0\0\xFF\0\0\0\xFF", 9),
                     std::string("\xFF\xFF\xFF\xFF\xFF\xFF\0\0\0", 9)})},
        {"32 bits packed by component (pack type 4)",
         directBits(4, 32, 3, 12, {counted(packRow(planes0)), counted(packRow(planes1))})},
        {"32 bits with a fourth plane, packed by component",
         directBits(4, 32, 4, 12,
                    {counted(packRow(alpha + planes0)), counted(packRow(alpha + planes1))})},
        // QuickDraw draws a pixel map opaque whatever its fourth byte holds;
        // only a QuickTime image's alpha is real (QuickTimeImagesInEachCodec).
        {"32 bits whose fourth plane is all zero",
         directBits(4, 32, 4, 12,
                    {counted(packRow(std::string(3, '\0') + planes0)),
                     counted(packRow(std::string(3, '\0') + planes1))})},
        {"32 bits unpacked whose pad byte is zero",
         directBits(1, 32, 4, 12,
                    {argb0, std::string("\0\xFF\xFF\xFF\0\xFF\xFF\xFF\0\0\0\0", 12)})},
        {"16 bits unpacked", directBits(1, 16, 3, 6, {rgb16Row0, rgb16Row1})},
        {"16 bits packed by word (pack type 3)",
         directBits(3, 16, 3, 10,
                    {counted(packRow(rgb16Row0 + std::string(4, '\0'), 2)),
                     counted(packRow(rgb16Row1 + std::string(4, '\0'), 2))})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectRgbPicture(decode(c.pict));
    }
}

// Indexed pixels through a colour table, unpacked and packed, 2 to 8 bits.
TEST(Pict, IndexedPixelsAndBitmaps) {
    const auto colourTable = [](PictWriter& pict) {
        pict.u32(0).u16(0).u16(3); // four entries
        const unsigned colours[4][3] = {
            {0xFFFF, 0, 0}, {0, 0xFFFF, 0}, {0, 0, 0xFFFF}, {0xFFFF, 0xFFFF, 0xFFFF}};
        for (unsigned i = 0; i < 4; ++i) {
            pict.u16(i).u16(colours[i][0]).u16(colours[i][1]).u16(colours[i][2]);
        }
        // Index 4 and up: black, as an unset entry of the table.
    };
    const auto indexed = [&](unsigned depth, unsigned op, std::size_t rowBytes,
                             std::vector<std::string> rows) {
        PictWriter pict;
        pict.op(op)
            .u16(0x8000 | static_cast<unsigned>(rowBytes))
            .rect(0, 0, 2, 3)
            .pixMap(0, depth, 1);
        colourTable(pict);
        pict.rect(0, 0, 2, 3).rect(0, 0, 2, 3).u16(0);
        for (const std::string& row : rows) {
            pict.raw(op == 0x0098 && rowBytes >= 8 ? counted(packRow(row)) : row);
        }
        return pict.finish();
    };
    std::string row8a("\x00\x01\x02", 3), row8b("\x03\x03\x05", 3);
    row8a.resize(8, '\0');
    row8b.resize(8, '\0');
    expectRgbPicture(decode(indexed(8, 0x0098, 8, {row8a, row8b})));
    expectRgbPicture(decode(indexed(8, 0x0090, 3, {row8a.substr(0, 3), row8b.substr(0, 3)})));
    // 4 bits: 0 1 | 2 .  and 3 3 | 5 .
    expectRgbPicture(decode(indexed(4, 0x0090, 2, {"\x01\x20", "\x33\x50"})));
    // 2 bits: 00 01 10 00 and 11 11 01 00 -> index 1 is green, so the last is green.
    const auto twoBits = decode(indexed(2, 0x0090, 1, {"\x18", "\xF4"}));
    ASSERT_TRUE(twoBits) << twoBits.error();
    EXPECT_EQ(pixelAt(*twoBits, 2, 0), blue);
    EXPECT_EQ(pixelAt(*twoBits, 2, 1), green);

    // A version 1 black-and-white bitmap: 1 is black, 0 white.
    PictWriter one(1, 3, 2);
    one.op(0x0090).u16(2).rect(0, 0, 2, 3).rect(0, 0, 2, 3).rect(0, 0, 2, 3).u16(0);
    one.raw(std::string("\xA0\0\x40\0", 4));
    const auto bitmap = decode(one.finish());
    ASSERT_TRUE(bitmap) << bitmap.error();
    EXPECT_EQ(pixelAt(*bitmap, 0, 0), black);
    EXPECT_EQ(pixelAt(*bitmap, 1, 0), white);
    EXPECT_EQ(pixelAt(*bitmap, 1, 1), black);
}

// A QuickTime image under the black bitmap QuickTime stores for readers without it.
std::string quickTime(const std::string& codec, std::uint16_t width, std::uint16_t height,
                      std::uint16_t depth, const std::string& data) {
    const unsigned rowBytes = (width + 15) / 16 * 2;
    PictWriter fallback(2, width, height);
    fallback.op(0x00A1).u16(100).u16(4).raw("note");
    fallback.op(0x0090).u16(rowBytes).rect(0, 0, height, width);
    fallback.rect(0, 0, height, width).rect(0, 0, height, width).u16(0);
    fallback.raw(std::string(std::size_t{rowBytes} * height, '\xFF'));
    const std::string opcodes = fallback.finish();
    constexpr std::size_t header = 40; // size, frame, version and header opcodes
    return hostile::pictWithQuickTime(codec, width, height, data, depth,
                                      opcodes.substr(header, opcodes.size() - header - 2));
}

// A photo a real RTFD clipping carries.
std::string realPhoto() {
    const auto package = readFlatRtfd(
        *test::realRepresentation("RTFD with a photo.textClipping", "com.apple.flat-rtfd")
             .asData());
    for (const FileWrapper::Child& child : package.value().children) {
        if (child.name == "IMG_5459.jpeg") {
            return std::string(child.wrapper.contents.view());
        }
    }
    return {};
}

TEST(Pict, QuickTimeImagesInEachCodec) {
    const std::string raw32 = std::string("\xFF\xFF\0\0\xFF\0\xFF\0\xFF\0\0\xFF", 12) +
                              std::string("\xFF\xFF\xFF\xFF\x80\0\0\0\xFF\0\0\0", 12);
    const auto rawPicture = decode(quickTime("raw ", 3, 2, 32, raw32));
    ASSERT_TRUE(rawPicture) << rawPicture.error();
    expectRgbPicture(rawPicture);
    EXPECT_EQ(pixelAt(*rawPicture, 1, 1), (Pixel{0, 0, 0, 0x80})) << "alpha is kept";

    Image source = blankImage(3, 2);
    const Pixel pixels[] = {red, green, blue, white, white, black};
    for (std::size_t i = 0; i < 6; ++i) {
        std::copy(pixels[i].begin(), pixels[i].end(), source.rgba.begin() + i * 4);
    }
    const auto png = encodePng(source);
    ASSERT_TRUE(png) << png.error();
    expectRgbPicture(decode(quickTime("png ", 3, 2, 32, std::string(png->begin(), png->end()))));

    // A photo inside QuickTime is the photo itself; a JPEG with no image is refused.
    const std::string jpeg = realPhoto();
    const auto photo = decodeJpeg(test::bytesOf(jpeg).span());
    ASSERT_TRUE(photo) << photo.error();
    EXPECT_EQ(photo->width, 871u);
    const auto fromJpeg = decode(quickTime("jpeg", 871, 1141, 24, jpeg));
    ASSERT_TRUE(fromJpeg) << fromJpeg.error();
    EXPECT_EQ(fromJpeg->rgba, photo->rgba);
    EXPECT_FALSE(decodeJpeg(test::bytesOf("\xFF\xD8 nothing more").span()));

    // Bottom row first, blue green red, rows padded to four bytes.
    const std::string dib = std::string("\xFF\xFF\xFF\x80\x80\x80\0\0\0\0\0\0", 12) +
                            std::string("\0\0\xFF\0\xFF\0\xFF\0\0\0\0\0", 12);
    expectRgbPicture(decode(quickTime("WRLE", 3, 2, 24, dib)));

    // Without a codec, or with its data cut, the bitmap stored for readers
    // without QuickTime is what shows.
    for (const auto& unreadable :
         {quickTime("rle ", 3, 2, 32, raw32), quickTime("raw ", 3, 2, 32, raw32.substr(0, 20))}) {
        const auto fallback = decode(unreadable);
        ASSERT_TRUE(fallback) << fallback.error();
        EXPECT_EQ(pixelAt(*fallback, 0, 0), black);
        EXPECT_EQ(pixelAt(*fallback, 2, 1), black);
    }
    const auto huge = decode(quickTime("raw ", 40000, 2, 32, raw32));
    ASSERT_FALSE(huge);
    EXPECT_NE(huge.error().describe().find("too large"), std::string::npos) << huge.error();
}

// Every prefix of a picture, and a few lies, end in an image or a reason.
TEST(Pict, HostilePicturesGiveReasons) {
    const std::string whole =
        directBits(1, 32, 3, 12, {std::string(12, '\x7F'), std::string(12, '\x7F')});
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const auto result = decode(whole.substr(0, length));
        // Cut short before the pixels are whole, nothing can be shown.
        if (length < whole.size() - 2) {
            EXPECT_FALSE(result) << "prefix of " << length;
        }
    }
    // A picture cut short says where.
    const auto cut = decode(whole.substr(0, whole.size() - 8));
    ASSERT_FALSE(cut);
    EXPECT_EQ(cut.error().kind, ErrorKind::Truncated);
    EXPECT_EQ(cut.error().offset, 134u); // the second row
    const struct {
        const char* name;
        std::string pict;
        const char* reason;
    } cases[] = {
        {"not a PICT", "hello, world", "not a PICT"},
        {"only text", PictWriter().finish(), "nothing in the picture can be drawn"},
        {"a frame too large",
         [] {
             PictWriter pict(2, 40000, 2, -20000);
             pict.op(0x009A).u32(0xFF).u16(0x8000 | 12).rect(0, 0, 1, 3);
             pict.pixMap(1, 32, 3).rect(0, 0, 1, 3).rect(0, 0, 1, 3).u16(0);
             pict.raw(std::string(12, '\0'));
             return pict.finish();
         }(),
         "too large"},
        {"rows longer than their bounds",
         directBits(4, 32, 3, 12, {counted(packRow(std::string(20, 'x'))), ""}),
         "longer than its bounds"},
        {"a colour table of 70,000 entries",
         [] {
             PictWriter pict;
             pict.op(0x0098).u16(0x8000 | 8).rect(0, 0, 2, 3).pixMap(0, 8, 1);
             pict.u32(0).u16(0).u16(0xFFFF);
             return pict.finish();
         }(),
         "colour table"},
        {"a region claiming less than itself",
         [] {
             PictWriter pict;
             pict.op(0x0001).u16(1);
             return pict.finish();
         }(),
         "region"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = decode(c.pict);
        ASSERT_FALSE(result);
        EXPECT_NE(result.error().describe().find(c.reason), std::string::npos) << result.error();
    }
}

std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Tiff, RoundTripAndRefusals) {
    const auto path = std::filesystem::temp_directory_path() / "scrivlette-roundtrip.tiff";
    {
        TIFF* tiff = TIFFOpen(path.c_str(), "w");
        ASSERT_NE(tiff, nullptr);
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, 3);
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, 2);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
        std::uint8_t rows[2][9] = {{255, 0, 0, 0, 255, 0, 0, 0, 255},
                                   {255, 255, 255, 9, 9, 9, 0, 0, 0}};
        TIFFWriteScanline(tiff, rows[0], 0, 0);
        TIFFWriteScanline(tiff, rows[1], 1, 0);
        TIFFClose(tiff);
    }
    const auto bytes = readAll(path);
    std::filesystem::remove(path);
    expectRgbPicture(decodeTiff(bytes));
    expectRgbPicture(decodePicture(PictureFormat::tiff, Bytes::adopt(std::vector(bytes))));

    EXPECT_FALSE(decodeTiff(std::vector<std::uint8_t>{'I', 'I', 42, 0}));
    auto lying = bytes;
    lying.resize(lying.size() / 2);
    EXPECT_FALSE(decodeTiff(lying));
    EXPECT_FALSE(decodePicture(PictureFormat::none, Bytes()));
}

// Each real picture clipping holds the same picture as a PDF; rendered by
// poppler at the picture's size, it must look the same, and closer once the
// picture's own profile has converted it to sRGB than as stored.
TEST(Pict, RealClippingsMatchTheirPdfTwins) {
    for (const char* name :
         {"Picture clipping with QuickTime pixels.pictClipping", "Picture clipping.pictClipping"}) {
        SCOPED_TRACE(name);
        const Bytes& pict = *test::realRepresentation(name, "com.apple.pict").asData();
        const auto picture = decodePicture(PictureFormat::pict, pict);
        const auto stored = decodePict(pict.span());
        ASSERT_TRUE(picture && stored);
        EXPECT_FALSE(stored->iccProfile.empty()) << "ColorSync's profile is in the comments";
        const std::uint32_t width = picture->width;
        const std::uint32_t height = picture->height;

        const auto folder = std::filesystem::temp_directory_path() / "scrivlette-pdf-twin";
        std::filesystem::create_directories(folder);
        const Bytes& pdf = *test::realRepresentation(name, "com.adobe.pdf").asData();
        std::ofstream(folder / "twin.pdf", std::ios::binary)
            .write(reinterpret_cast<const char*>(pdf.data()),
                   static_cast<std::streamsize>(pdf.size()));
        const std::string command = "pdftoppm -singlefile -scale-to-x " + std::to_string(width) +
                                    " -scale-to-y " + std::to_string(height) + " '" +
                                    (folder / "twin.pdf").string() + "' '" +
                                    (folder / "twin").string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const auto ppm = readAll(folder / "twin.ppm");
        std::filesystem::remove_all(folder);
        const std::string header =
            "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
        ASSERT_EQ(std::string(ppm.begin(), ppm.begin() + header.size()), header);

        const auto meanDifference = [&](const Image& image, bool mirrored) {
            double total = 0;
            for (std::size_t y = 0; y < height; ++y) {
                for (std::size_t x = 0; x < width; ++x) {
                    const std::size_t from = y * width + (mirrored ? width - 1 - x : x);
                    for (int c = 0; c < 3; ++c) {
                        total += std::abs(int(image.rgba[from * 4 + c]) -
                                          int(ppm[header.size() + (y * width + x) * 3 + c]));
                    }
                }
            }
            return total / (double(width) * height * 3);
        };
        const double converted = meanDifference(*picture, false);
        const double asStored = meanDifference(*stored, false);
        std::printf("%s: %.2f of 255 from its twin, %.2f as stored\n", name, converted, asStored);
        EXPECT_LT(converted, 6.0);
        EXPECT_LT(converted, asStored);
        EXPECT_GT(meanDifference(*picture, true), 3 * converted)
            << "the check would see the picture mirrored";
    }
}

TEST(PackBits, RunsLiteralsAndOverruns) {
    std::vector<std::uint8_t> out(6);
    unpackBits(test::bytesOf(std::string("\xFE\x07\x02\x01\x02\x03", 6)).span(), out);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{7, 7, 7, 1, 2, 3}));
    std::vector<std::uint8_t> words(6);
    unpackBits(test::bytesOf(std::string("\xFF\xAB\xCD\x00\x01\x02", 6)).span(), words, 2);
    EXPECT_EQ(words, (std::vector<std::uint8_t>{0xAB, 0xCD, 0xAB, 0xCD, 1, 2}));
    EXPECT_THROW(unpackBits(test::bytesOf("\x05\x01").span(), out), ReadFailure);
    EXPECT_THROW(unpackBits(test::bytesOf("\xF0\x01").span(), out), ReadFailure);
}

// Files of a few hundred bytes that claim gigabytes or endless work.
TEST(Picture, HostileSizesAndScansAreRefusedBeforeTheWork) {
    const struct {
        const char* name;
        PictureFormat type;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"JPEG scan bomb", PictureFormat::jpeg, hostile::jpegScanBomb(2048, 2048, 1000),
         "more than 100 scans"},
        {"JPEG frame", PictureFormat::jpeg, hostile::jpegScanBomb(16384, 16384, 1),
         "too large for its"},
        {"PICT frame", PictureFormat::pict, hostile::pictFrameBomb(16384), "too large for its"},
        {"PICT overdraw", PictureFormat::pict, hostile::pictFrameBomb(1024, 40, 1024),
         "more drawing than painting its frame over 16 times"},
        // Work no pixel shows is charged too: rows and pieces of shapes.
        {"PICT region of half a million pieces", PictureFormat::pict,
         hostile::pictRegionBomb(1024, 1024, 1), "more than 131072 pieces"},
        {"PICT thin wedges", PictureFormat::pict, hostile::pictArcBomb(1024, 1, 20000, false),
         "more drawing than"},
        {"PICT wedges behind an empty clip", PictureFormat::pict,
         hostile::pictArcBomb(1024, 1, 20000, true), "more drawing than"},
        {"PICT polygons behind an empty clip", PictureFormat::pict,
         hostile::pictPolygonBomb(1024, 2000, 200, false), "more drawing than"},
        {"PICT framed polygon of long lines", PictureFormat::pict,
         hostile::pictPolygonBomb(1024, 16000, 1, true), "more drawing than"},
        {"PNG header", PictureFormat::png, hostile::pngHeaderBomb(16384), "too large for its"},
        {"TIFF header", PictureFormat::tiff, hostile::tiffHeaderBomb(16384, 1u << 28),
         "too large for its"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = decodePicture(c.type, test::bytesOf(c.bytes));
        ASSERT_FALSE(result);
        EXPECT_NE(result.error().describe().find(c.reason), std::string::npos) << result.error();
    }
    // A colour profile whose tables could not be in it is not handed to
    // Little CMS (which would clear half a gigabyte for it): stored colours.
    const auto profiled =
        decodePicture(PictureFormat::pict, test::bytesOf(hostile::pictProfileBomb()));
    ASSERT_TRUE(profiled) << profiled.error();
    EXPECT_EQ(pixelAt(*profiled, 1, 1), (Pixel{128, 128, 128, 255}));
    // Within its budget the same picture draws: the budget is no blanket refusal.
    const auto small =
        decodePicture(PictureFormat::pict, test::bytesOf(hostile::pictFrameBomb(64)));
    ASSERT_TRUE(small) << small.error();
    EXPECT_EQ(pixelAt(*small, 0, 0), red);
    EXPECT_EQ(pixelAt(*small, 63, 63)[3], 0);
}

} // namespace
} // namespace scrivlette::image

namespace scrivlette::image {
namespace {

// A 3 x 2 grey picture (128 everywhere) after ColorSync comments holding
// `chunks` of a profile, each with its selector.
std::string greyWithProfile(const std::vector<std::pair<std::uint32_t, std::string>>& chunks) {
    PictWriter pict;
    for (const auto& [selector, piece] : chunks) {
        pict.op(0x00A1).u16(224).u16(static_cast<unsigned>(4 + piece.size())).u32(selector);
        pict.raw(piece);
    }
    pict.op(0x009A).u32(0xFF).u16(0x8000 | 12).rect(0, 0, 2, 3);
    pict.pixMap(1, 32, 3).rect(0, 0, 2, 3).rect(0, 0, 2, 3).u16(0);
    pict.raw(std::string(24, '\x80'));
    return pict.finish();
}

// Pictures made for a gamma-1.8 display are lighter in sRGB; a profile that
// is cut, malformed or never ended leaves the stored values.
TEST(Colour, ProfilesConvertToSrgbAndBadOnesAreIgnored) {
    const auto mac = profileForGamma(1 / 1.8, {});
    ASSERT_GT(mac.size(), 100u);
    const std::string profile(mac.begin(), mac.end());
    const std::string half = profile.substr(0, profile.size() / 2);
    const struct {
        const char* name;
        std::string pict;
        bool converted;
    } cases[] = {
        {"whole", greyWithProfile({{0, profile}, {2, ""}}), true},
        {"in pieces", greyWithProfile({{0, half}, {1, profile.substr(half.size())}, {2, ""}}),
         true},
        {"never ended", greyWithProfile({{0, profile}}), false},
        {"cut", greyWithProfile({{0, half}, {2, ""}}), false},
        {"not a profile", greyWithProfile({{0, std::string(600, 'x')}, {2, ""}}), false},
        {"a piece with no start", greyWithProfile({{1, profile}, {2, ""}}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = decodePicture(PictureFormat::pict, test::bytesOf(c.pict));
        ASSERT_TRUE(picture) << picture.error();
        const Pixel pixel = pixelAt(*picture, 1, 1);
        if (c.converted) {
            EXPECT_GT(pixel[0], 140);
        } else {
            EXPECT_EQ(pixel, (Pixel{128, 128, 128, 255}));
        }
        EXPECT_EQ(pixel[0], pixel[2]) << "grey stays grey";
        EXPECT_TRUE(picture->iccProfile.empty()) << "pictures leave in sRGB";
    }
    EXPECT_TRUE(profileForGamma(0.45455, {}).empty()) << "sRGB's own gamma needs no profile";

    // Tables are checked against the bytes that hold them before Little CMS
    // reads a profile; real ones pass.
    EXPECT_FALSE(implausibleProfile(mac));
    const std::string bomb = hostile::iccProfileBomb();
    const auto refused =
        implausibleProfile({reinterpret_cast<const std::uint8_t*>(bomb.data()), bomb.size()});
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, "a lookup table larger than its tag");
    EXPECT_TRUE(implausibleProfile(std::span(mac).subspan(0, 100)));
}

} // namespace
} // namespace scrivlette::image

namespace scrivlette::image {
namespace {

// Drawn into a smaller box, pixels that meet are averaged, weighted by how
// opaque each is; the decoders never hold the full size to get there.
TEST(Picture, DrawsSmallerToFitWithABoxFilter) {
    Image stripes = blankImage(4, 2);
    const Pixel row0[] = {white, black, red, {0, 0, 0, 0}};
    for (std::uint32_t y = 0; y < 2; ++y) {
        for (std::uint32_t x = 0; x < 4; ++x) {
            std::copy(row0[x].begin(), row0[x].end(), stripes.rgba.begin() + (y * 4 + x) * 4);
        }
    }
    const Image half = shrinkToFit(stripes, Fit{2, 2});
    ASSERT_EQ(half.width, 2u);
    ASSERT_EQ(half.height, 1u) << "the shape is kept";
    EXPECT_EQ(pixelAt(half, 0, 0), (Pixel{128, 128, 128, 255}));
    EXPECT_EQ(pixelAt(half, 1, 0), (Pixel{255, 0, 0, 128})) << "no colour from a clear pixel";

    const struct {
        const char* name;
        PictureFormat type;
        std::string bytes;
        Fit fit;
        std::uint32_t width, height;
    } cases[] = {
        {"a 16,384-pixel frame of 116 bytes",
         PictureFormat::pict,
         hostile::pictFrameBomb(16384, 1, 16384),
         {256, 1024},
         256,
         256},
        {"a photo, through libjpeg's scaling", PictureFormat::jpeg, realPhoto(), {25, 25}, 19, 25},
        {"a picture smaller than the box",
         PictureFormat::pict,
         hostile::pictFrameBomb(64),
         {256, 256},
         64,
         64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = decodePicture(c.type, test::bytesOf(c.bytes), c.fit);
        ASSERT_TRUE(picture) << picture.error();
        EXPECT_EQ(picture->width, c.width);
        EXPECT_EQ(picture->height, c.height);
    }
}

} // namespace
} // namespace scrivlette::image
