#pragma once

#include "platform/Shell.h"
#include "platform/UiServices.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <filesystem>
#include <string>
#include <vector>

namespace hx::test {

// Answers message boxes from a script and remembers what was shown. An unscripted box is
// answered Cancel, the safe choice.
class ScriptedUi : public UiServices {
public:
    struct Shown {
        std::string text, caption;
        MessageButtons buttons;
    };
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons) override {
        shown.push_back({text, caption, buttons});
        if (answers.empty())
            return MessageAnswer::kCancel;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override {
        colourDialogInitial.push_back(initial);
        if (colours.empty())
            return std::nullopt;
        const auto c = colours.front();
        colours.pop_front();
        return c;
    }
    std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        if (files.empty())
            return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<std::size_t> ShowContextMenu(const std::vector<std::string>& items, int x,
                                               int y) override {
        menus.push_back({items, x, y});
        if (menuChoices.empty())
            return std::nullopt;
        const auto choice = menuChoices.front();
        menuChoices.pop_front();
        return choice;
    }
    std::optional<int> ShowCommandMenu(const std::vector<MenuEntry>& entries, int x,
                                       int y) override {
        commandMenus.push_back({entries, x, y});
        if (commandChoices.empty())
            return std::nullopt;
        const auto choice = commandChoices.front();
        commandChoices.pop_front();
        return choice;
    }
    struct Menu {
        std::vector<std::string> items;
        int x, y;
    };
    struct CommandMenu {
        std::vector<MenuEntry> entries;
        int x, y;
    };
    std::deque<std::optional<int>> commandChoices; // nullopt = dismissed
    std::vector<CommandMenu> commandMenus;
    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;
    std::deque<std::optional<std::filesystem::path>> files; // nullopt = Cancel
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::optional<std::size_t>> menuChoices; // nullopt = dismissed
    std::vector<Menu> menus;
    std::deque<std::optional<std::uint32_t>> colours; // nullopt = Cancel
    std::vector<std::uint32_t> colourDialogInitial;
};

// Records launches instead of starting anything.
class RecordingShell : public Shell {
public:
    Status OpenPath(const std::filesystem::path& file,
                    const std::filesystem::path& workingDir) override {
        opened.push_back(file);
        openedIn.push_back(workingDir);
        return Status::Ok();
    }
    Status StartProgram(const std::filesystem::path& program,
                        const std::filesystem::path&) override {
        started.push_back(program);
        return Status::Ok();
    }
    Status OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return Status::Ok();
    }
    std::vector<std::filesystem::path> opened, openedIn, started;
    std::vector<std::string> urls;
};

} // namespace hx::test
