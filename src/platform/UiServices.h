#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace hx {

enum class MessageButtons { kOk, kOkCancel };
enum class MessageAnswer { kOk, kCancel };

// Everything modal the windows ask of the user. Tests script the answers.
class UiServices {
public:
    virtual ~UiServices() = default;
    // Texts are UTF-8 and shown exactly as given.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons) = 0;
    // The system colour dialog; nullopt unless the user pressed OK. Colours are 0xRRGGBB.
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;
};

} // namespace hx
