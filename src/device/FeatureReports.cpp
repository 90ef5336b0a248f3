#include "device/FeatureReports.h"

#include "device/Commands.h"

namespace hx {
namespace {

constexpr std::size_t kCommandByte = 1;
constexpr std::size_t kFirstParamByte = 2;
constexpr std::size_t kChecksumByte = 8;

std::uint8_t SumOfCommandBytes(const FeatureReport& report) {
    unsigned sum = 0;
    for (std::size_t i = kCommandByte; i < kChecksumByte; ++i)
        sum += report[i];
    return static_cast<std::uint8_t>(sum);
}

} // namespace

std::uint8_t FeatureChecksum(const FeatureReport& report) {
    return static_cast<std::uint8_t>(0xFF - SumOfCommandBytes(report));
}

bool HasValidChecksum(const FeatureReport& report) {
    return report[kChecksumByte] == FeatureChecksum(report);
}

FeatureReport BuildFeatureReport(std::uint8_t command, const CommandParams& params) {
    FeatureReport r{};
    r[kCommandByte] = command;
    for (std::size_t i = 0; i < params.size(); ++i)
        r[kFirstParamByte + i] = params[i];
    r[kChecksumByte] = FeatureChecksum(r);
    return r;
}

FeatureReport BuildLightingReport(LightingStage stage, const DeviceImage& image) {
    const auto l = [&](std::size_t i) { return image.at(image::kLightingSettings, i); };
    const std::uint8_t brightness =
        stage == LightingStage::kEnd ? l(image::kLightingBrightness) : std::uint8_t{0};
    return BuildFeatureReport(SET_LIGHTING,
                              {static_cast<std::uint8_t>(stage), l(image::kLightingMode),
                               InvertSpeed(l(image::kLightingSpeed)), brightness,
                               l(image::kLightingColourChoice), l(image::kLightingDirection)});
}

FeatureReport BuildValueReport(std::uint8_t command, std::uint8_t value) {
    return BuildFeatureReport(command, {value, 0, 0, 0, 0, 0});
}

FeatureReport BuildEffectColourReport(std::size_t index, const DeviceImage& image) {
    const ByteField entry = image::EffectColour(index);
    return BuildFeatureReport(SET_EFFECT_COLOUR,
                              {0, static_cast<std::uint8_t>(index), image.at(entry, 0),
                               image.at(entry, 1), image.at(entry, 2), 0});
}

void DecodeReply(std::uint8_t command, std::size_t index, const FeatureReport& reply,
                 DeviceImage& image, FirmwareVersion& firmware) {
    switch (command) {
    case GET_FIRMWARE_VERSION:
        firmware.bytes = {reply[2], reply[3], 0, 0};
        break;
    case GET_REPORT_RATE:
        image.at(image::kReportRate) = reply[2];
        break;
    case GET_RESPONSE_TIME:
        image.at(image::kResponseTime) = reply[2];
        break;
    case GET_GAME_MODE:
        image.at(image::kGameMode) = reply[2];
        break;
    case GET_LIGHTING: {
        auto l = image.span(image::kLightingSettings);
        l[image::kLightingMode] = reply[3];
        l[image::kLightingSpeed] = InvertSpeed(reply[4]);
        l[image::kLightingBrightness] = reply[5];
        l[image::kLightingColourChoice] = reply[6];
        l[image::kLightingDirection] = reply[7];
        break;
    }
    case GET_EFFECT_COLOUR: {
        auto entry = image.span(image::EffectColour(index));
        entry[0] = reply[4];
        entry[1] = reply[5];
        entry[2] = reply[6];
        break;
    }
    default:
        break; // stream replies carry nothing
    }
}

} // namespace hx
