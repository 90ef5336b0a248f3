#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hx {

enum class MessageButtons { kOk, kOkCancel };
enum class MessageAnswer { kOk, kCancel };
enum class FileDialogMode { kOpen, kSave, kFolder };

// What a system file dialog starts with.
struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::kOpen;
    std::filesystem::path folder;
    std::string initialName;   // may be a pattern, e.g. "*.bin"
    std::string filter;        // one filter, e.g. "bin Files(*.bin)"
    std::string defaultSuffix; // added to a typed name without one; no dot
    bool mustExist = false;    // only an existing file can be chosen, also when saving
    std::string title;         // the dialog's title; empty = the platform's own
};

// One item of a command menu: a command with its id, or, when it has children, a sub-menu.
struct MenuEntry {
    std::string text; // UTF-8
    int id = 0;
    std::vector<MenuEntry> children;
};

// Everything modal the windows ask of the user. Tests script the answers.
class UiServices {
public:
    virtual ~UiServices() = default;
    // Texts are UTF-8 and shown exactly as given.
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons) = 0;
    // The system colour dialog; nullopt unless the user pressed OK. Colours are 0xRRGGBB.
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;
    // The system file dialog (kFolder: the folder browser, which may return an empty path for
    // an item that is no folder); nullopt unless the user confirmed a choice.
    virtual std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request) = 0;
    // A context menu of `items` at the screen point (x, y); the chosen item's index, or nullopt.
    virtual std::optional<std::size_t> ShowContextMenu(const std::vector<std::string>& items, int x,
                                                       int y) = 0;
    // A context menu with sub-menus at the screen point (x, y); the chosen command's id, or
    // nullopt.
    virtual std::optional<int> ShowCommandMenu(const std::vector<MenuEntry>& entries, int x,
                                               int y) = 0;
};

} // namespace hx
