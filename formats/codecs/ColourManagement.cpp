#include "ColourManagement.h"

#include "formats/codecs/ProfileCheck.h"

#include <cmath>
#include <lcms2.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace scrivlette::image {
namespace {

struct TransformFree {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::unique_ptr<void, TransformFree>;

struct ProfileFree {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileFree>;

// Little CMS reports malformed profiles through a handler; without one it
// stays quiet, which is what a viewer of other people's files wants.

Transform makeTransform(const std::vector<std::uint8_t>& bytes) {
    if (implausibleProfile(bytes)) {
        return nullptr; // the stored colours, rather than memory the file cannot justify
    }
    const Profile source(
        cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size())));
    if (!source || cmsGetColorSpace(source.get()) != cmsSigRgbData) {
        return nullptr;
    }
    const Profile srgb(cmsCreate_sRGBProfile());
    // No one-pixel cache: a cached transform is shared by decoders on
    // several threads at once.
    return Transform(cmsCreateTransform(source.get(), TYPE_RGBA_8, srgb.get(), TYPE_RGBA_8,
                                        INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA | cmsFLAGS_NOCACHE));
}

// Transforms are costly to build and pictures share few profiles (the Mac's
// "Generic RGB Profile" nearly always): one per profile, kept for the
// process's life, at most a few.
class TransformCache {
public:
    void* find(const std::vector<std::uint8_t>& profile) {
        const std::string key(profile.begin(), profile.end());
        const std::lock_guard lock(mutex_);
        auto it = transforms_.find(key);
        if (it == transforms_.end()) {
            if (transforms_.size() >= maxKept) {
                transforms_.clear();
            }
            it = transforms_.emplace(key, makeTransform(profile)).first;
        }
        return it->second.get();
    }

private:
    static constexpr std::size_t maxKept = 8;
    std::mutex mutex_;
    std::map<std::string, Transform> transforms_;
};

TransformCache& cache() {
    static TransformCache transforms;
    return transforms;
}

} // namespace

void convertToSrgb(Image& image) {
    if (image.iccProfile.empty()) {
        return;
    }
    const std::vector<std::uint8_t> profile = std::move(image.iccProfile);
    image.iccProfile.clear();
    if (profile.size() > maxProfileBytes) {
        return;
    }
    void* transform = cache().find(profile);
    if (!transform || image.rgba.empty()) {
        return;
    }
    // In bands, so each stays in the processor's cache.
    const std::size_t rowPixels = image.width;
    constexpr std::size_t band = 64;
    for (std::size_t row = 0; row < image.height; row += band) {
        const std::size_t rows = std::min<std::size_t>(band, image.height - row);
        std::uint8_t* pixels = image.rgba.data() + row * rowPixels * 4;
        cmsDoTransform(transform, pixels, pixels, static_cast<cmsUInt32Number>(rows * rowPixels));
    }
}

std::vector<std::uint8_t> profileForGamma(double gamma, std::span<const double> chromaticities) {
    const bool srgbGamma = std::abs(gamma - 0.45455) < 0.001;
    if (!(gamma > 0.01 && gamma < 10) || (srgbGamma && chromaticities.empty())) {
        return {};
    }
    cmsCIExyY white{0.3127, 0.3290, 1.0};
    cmsCIExyYTRIPLE primaries{{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
    if (chromaticities.size() == 8) {
        white = {chromaticities[0], chromaticities[1], 1.0};
        primaries = {{chromaticities[2], chromaticities[3], 1.0},
                     {chromaticities[4], chromaticities[5], 1.0},
                     {chromaticities[6], chromaticities[7], 1.0}};
    }
    cmsToneCurve* curve = cmsBuildGamma(nullptr, 1.0 / gamma);
    if (!curve) {
        return {};
    }
    cmsToneCurve* curves[3] = {curve, curve, curve};
    const Profile profile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsFreeToneCurve(curve);
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0) {
        return {};
    }
    std::vector<std::uint8_t> bytes(size);
    if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size)) {
        return {};
    }
    return bytes;
}

} // namespace scrivlette::image
