#pragma once

#include "platform/UiServices.h"

#include <QPointer>
#include <QWidget>

namespace hx {

// Message boxes and the colour dialog, modal over the given window.
class QtUiServices final : public UiServices {
public:
    void SetParentWindow(QWidget* parent) { parent_ = parent; }

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    std::optional<std::filesystem::path> ChooseFile(const FileDialogRequest& request) override;
    std::optional<std::size_t> ShowContextMenu(const std::vector<std::string>& items, int x,
                                               int y) override;
    std::optional<int> ShowCommandMenu(const std::vector<MenuEntry>& entries, int x,
                                       int y) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace hx
