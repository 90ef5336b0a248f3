#include "device/hidapi/HidapiLibrary.h"

#include "common/Utf16.h"

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

std::string HidapiErrorText(hid_device* device) {
    const wchar_t* text = hid_error(device);
    if (text == nullptr || *text == L'\0')
        return "unknown error";
    std::u32string wide;
    for (; *text != L'\0'; ++text)
        wide += static_cast<char32_t>(*text);
    return Utf32ToUtf8(wide);
}

} // namespace hx::hid
