#include "app/Options.h"

#include <array>
#include <string_view>

namespace hx {
namespace {

enum class Takes { kNothing, kValue, kOptionalValue };

struct OptionSpec {
    std::string_view name;
    Takes takes;
    void (*apply)(Options&, std::string);
};

constexpr std::array kOptionSpecs{
    OptionSpec{"--help", Takes::kNothing, [](Options& o, std::string) { o.help = true; }},
    OptionSpec{"--version", Takes::kNothing, [](Options& o, std::string) { o.version = true; }},
    OptionSpec{"--data-dir", Takes::kValue,
               [](Options& o, std::string v) { o.dataDir = std::move(v); }},
    OptionSpec{"--virtual-keyboard", Takes::kOptionalValue,
               [](Options& o, std::string v) { o.virtualKeyboard = std::move(v); }},
    OptionSpec{"--hid-trace", Takes::kValue,
               [](Options& o, std::string v) { o.hidTrace = std::move(v); }},
    OptionSpec{"--screenshot", Takes::kValue,
               [](Options& o, std::string v) { o.screenshot = std::move(v); }},
};

} // namespace

Result<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const std::size_t eq = arg.find('=');
        const std::string_view name = arg.substr(0, eq);
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& s : kOptionSpecs)
            if (s.name == name)
                spec = &s;
        if (!spec)
            return Error{"unknown option '" + std::string(arg) + "' (try --help)"};
        if (spec->takes == Takes::kNothing) {
            if (eq != std::string_view::npos)
                return Error{"option " + std::string(name) + " takes no value"};
            spec->apply(options, {});
            continue;
        }
        std::string value;
        if (spec->takes == Takes::kOptionalValue) {
            // Only the "=VALUE" form: a following argument is never taken as its value.
            if (eq != std::string_view::npos && eq + 1 == arg.size())
                return Error{"option " + std::string(name) + " needs a non-empty value after '='"};
            spec->apply(options, eq == std::string_view::npos ? std::string()
                                                              : std::string(arg.substr(eq + 1)));
            continue;
        }
        if (eq != std::string_view::npos)
            value = std::string(arg.substr(eq + 1));
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return Error{"option " + std::string(name) + " needs a value"};
        if (value.empty())
            return Error{"option " + std::string(name) + " needs a non-empty value"};
        spec->apply(options, std::move(value));
    }
    return options;
}

std::string UsageText(const std::string& program) {
    return "Usage: " + program +
           " [options]\n"
           "Configuration utility of the HXTR-720 keyboard.\n\n"
           "  --virtual-keyboard[=FILE]  use the built-in virtual keyboard; its memory is kept\n"
           "                             in FILE (default: virtual-keyboard.bin in the data "
           "folder)\n"
           "  --hid-trace=FILE           log every report to and from the keyboard in FILE\n"
           "  --data-dir=DIR             keep keymap.bin, MacroDefine.bin and Configure/ in DIR\n"
           "  --screenshot=FILE          write the main window as PNG once the keyboard is read, "
           "exit\n"
           "  --version                  print the version and exit\n"
           "  --help                     print this text and exit\n";
}

} // namespace hx
