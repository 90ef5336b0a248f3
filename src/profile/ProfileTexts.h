#pragma once

#include <array>
#include <string_view>

namespace hx {

// The profile manager's own texts, shown exactly as written here.
inline constexpr std::string_view kProfileTitle = "Конфігурація";
inline constexpr std::string_view kProfileCaption = "Profile";
inline constexpr std::string_view kTooManyProfilesText = "Only Create Six Profile mostly\n";
inline constexpr std::string_view kSelectToSaveText = "Please select a profile to Save\n";
inline constexpr std::string_view kSelectToOpenText = "Please select a profile to Open\n";
inline constexpr std::string_view kKeepOneProfileText = "Please keep a profile\n";
inline constexpr std::string_view kSelectToDeleteText = "Please select a profile to delete\n";
inline constexpr std::string_view kDeleteQuestion = "Delete current profile ?";
inline constexpr std::string_view kSelectToCopyText = "Please select a profile to copy\n";
inline constexpr std::string_view kRenameFailedText = "Fail";
inline constexpr std::string_view kCopyPrefix = "Скопіювати of ";

// The save and open dialogs' file type.
inline constexpr std::string_view kProfileFilterName = "bin Files(*.bin)";
inline constexpr std::string_view kProfileFilterPattern = "*.bin";
inline constexpr std::string_view kProfileDefaultSuffix = "bin";

enum class ProfileCommand { kNew, kCopy, kSave, kOpen, kDelete };

struct ProfileMenuItem {
    ProfileCommand command;
    int id; // the command's number, kept so the items stay recognisable in traces and tests
    std::string_view text;
};

// The context menu, in its order.
inline constexpr std::array kProfileMenu{
    ProfileMenuItem{ProfileCommand::kNew, 32785, "Новий"},
    ProfileMenuItem{ProfileCommand::kCopy, 32817, "Скопіювати"},
    ProfileMenuItem{ProfileCommand::kSave, 32786, "Зберегти"},
    ProfileMenuItem{ProfileCommand::kOpen, 32787, "Відкрити"},
    ProfileMenuItem{ProfileCommand::kDelete, 32788, "Видалити"},
};

} // namespace hx
