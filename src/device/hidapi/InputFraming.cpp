#include "device/hidapi/InputFraming.h"

#include <algorithm>

namespace hx::hid {

InputFit FitInputReport(std::span<const std::uint8_t> raw, std::span<std::uint8_t> out,
                        Numbering numbering) {
    if (out.empty())
        return InputFit::kSkip;
    const std::uint8_t expectedId = out[0];
    if (raw.size() == out.size()) {
        if (expectedId != 0 && raw[0] != expectedId)
            return InputFit::kSkip;
        std::copy(raw.begin(), raw.end(), out.begin());
        return InputFit::kAccept;
    }
    if (raw.size() + 1 == out.size() && numbering == Numbering::kUnknown) {
        std::copy(raw.begin(), raw.end(), out.begin() + 1);
        return InputFit::kAccept;
    }
    return InputFit::kSkip;
}

} // namespace hx::hid
