#include "config/ApplyChanges.h"

#include "config/ChangeFlags.h"

#include <functional>
#include <vector>

namespace hx {
namespace {

using Send = std::function<Status(DeviceLink::Session&)>;

// One acknowledged step: its reports, then one wait for the keyboard's confirmation.
struct Step {
    std::string name;
    Send send;
};

std::string Indexed(const char* name, std::size_t index) {
    return std::string(name) + " " + std::to_string(index);
}

std::vector<Step> AcknowledgedSteps(const ChangeFlags& f, const DeviceImage& image) {
    std::vector<Step> steps;
    if (f.SomethingElse()) {
        steps.push_back({"SET_LIGHTING stage 1", [&image](DeviceLink::Session& s) {
                             Status sent =
                                 s.Send(BuildLightingReport(LightingStage::kBegin, image));
                             s.Pause(std::chrono::milliseconds{10});
                             return sent;
                         }});
    }
    if (f.colours) {
        // All seven entries, not only the changed ones; one confirmation after the last.
        steps.push_back({"SET_EFFECT_COLOUR", [&image](DeviceLink::Session& s) {
                             for (std::size_t i = 0; i < image::kEffectColourCount; ++i)
                                 if (Status sent = s.Send(BuildEffectColourReport(i, image)); !sent)
                                     return sent;
                             return Status::Ok();
                         }});
    }
    struct ValueStep {
        bool changed;
        const char* name;
        std::uint8_t command;
        ByteField field;
    };
    for (const ValueStep v :
         {ValueStep{f.gameMode, "SET_GAME_MODE", SET_GAME_MODE, image::kGameMode},
          ValueStep{f.reportRate, "SET_REPORT_RATE", SET_REPORT_RATE, image::kReportRate},
          ValueStep{f.responseTime, "SET_RESPONSE_TIME", SET_RESPONSE_TIME,
                    image::kResponseTime}}) {
        if (v.changed)
            steps.push_back({v.name, [&image, v](DeviceLink::Session& s) {
                                 return s.Send(BuildValueReport(v.command, image.at(v.field)));
                             }});
    }
    const auto stream = [&image](StreamRecord record, std::size_t index) {
        return [&image, record, index](DeviceLink::Session& s) {
            return s.WriteStream(record, index, image);
        };
    };
    if (f.remap)
        steps.push_back({"WRITE_REMAP_TABLE", stream(StreamRecord::kRemapTable, 0)});
    if (f.bitmap)
        steps.push_back({"WRITE_KEY_BITMAP", stream(StreamRecord::kKeyBitmap, 0)});
    for (std::size_t k = 0; k < f.slots.size(); ++k)
        if (f.slots[k])
            steps.push_back({Indexed("WRITE_MACRO_SLOT", k), stream(StreamRecord::kMacroSlot, k)});
    for (std::size_t t = 0; t < f.tables.size(); ++t)
        if (f.tables[t])
            steps.push_back(
                {Indexed("WRITE_COLOUR_TABLE", t), stream(StreamRecord::kColourTable, t)});
    return steps;
}

} // namespace

ApplyResult ApplyChanges(DeviceLink& link, AppState& state) {
    if (!link.DeviceOpen())
        return {ApplyStatus::kNotConnected, {}, {}};
    StampWinLockBit(state.image);
    const ChangeFlags flags = ComputeChangeFlags(state.image, state.imageSnapshot);
    if (!flags.Any())
        return {ApplyStatus::kNothingToSend, {}, {}};

    DeviceLink::Session session = link.Begin();
    for (const Step& step : AcknowledgedSteps(flags, state.image)) {
        link.ClearAck();
        if (Status sent = step.send(session); !sent)
            return {ApplyStatus::kTransferFailed, step.name, sent.error().message};
        if (!link.WaitForAck())
            return {ApplyStatus::kNotAcknowledged, step.name, {}};
    }
    link.ClearAck();
    // The closing stage is not acknowledged by design; its send must still have gone out.
    if (Status sent = session.Send(BuildLightingReport(LightingStage::kEnd, state.image)); !sent)
        return {ApplyStatus::kTransferFailed, "SET_LIGHTING stage 2", sent.error().message};
    state.TakeSnapshot();
    return {ApplyStatus::kApplied, {}, {}};
}

} // namespace hx
