#include "device/hidapi/HidapiLibrary.h"

#include <hidapi.h>

#include <cwchar>

namespace hx::hid {

std::shared_ptr<HidapiLibrary> HidapiLibrary::Start() {
    if (hid_init() != 0)
        return nullptr;
    return std::shared_ptr<HidapiLibrary>(new HidapiLibrary());
}

HidapiLibrary::~HidapiLibrary() {
    hid_exit();
}

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += '?';
    }
}

} // namespace

std::string HidapiErrorText(hid_device* device) {
    const wchar_t* text = hid_error(device);
    if (text == nullptr || *text == L'\0')
        return "unknown error";
    std::string out;
    for (; *text != L'\0'; ++text)
        AppendUtf8(out, static_cast<char32_t>(*text));
    return out;
}

} // namespace hx::hid
