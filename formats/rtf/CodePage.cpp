#include "CodePage.h"

#include "platform/text/TextDecoding.h"

#include <cerrno>
#include <iconv.h>
#include <utility>

namespace scrivlette::rtf {
namespace {

constexpr int macRoman = 10000;
constexpr int utf8 = 65001;

std::string latin1(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        appendUtf8(out, static_cast<unsigned char>(c));
    }
    return out;
}

} // namespace

int codePageOfCharset(int charset) {
    static constexpr std::pair<int, int> table[] = {
        {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},  {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
        {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850},
    };
    for (const auto& [set, page] : table) {
        if (set == charset) {
            return page;
        }
    }
    return 0;
}

std::string decodeCodePage(std::string_view bytes, int codePage) {
    if (codePage == macRoman) {
        return decodeMacRoman(asBytes(bytes));
    }
    if (codePage == utf8) {
        auto text = decodeUtf8(asBytes(bytes));
        return text ? *text : latin1(bytes);
    }
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t converter = ::iconv_open("UTF-8", name.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return latin1(bytes); // an unknown page: keep every byte visible
    }
    std::string out;
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char buffer[256];
        char* outPointer = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = ::iconv(converter, &in, &inLeft, &outPointer, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPointer - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An unmappable or cut-short sequence: mark it and go on after it.
            out += "\xEF\xBF\xBD";
            ++in;
            --inLeft;
        }
    }
    ::iconv_close(converter);
    return out;
}

} // namespace scrivlette::rtf
