#include "ui/main/HelpWindow.h"

#include "device/FirmwareUpdate.h"
#include "ui/main/MainLayout.h"

#include <iostream>

namespace hx {
namespace {

constexpr HotRect kArea{830, 22, 996, 99};
constexpr int kRowHeight = 25;
constexpr int kLabelHeight = 15;

} // namespace

void PaintHelpWindow(Canvas& canvas) {
    canvas.DrawSkinImage("HelpWindow.png", 830, 22);
    canvas.DrawLabel(kHomePageHost, 850, 25, kLabelHeight, kLabelColour);
    canvas.DrawLabel("Оновлення драйвера", 850, 50, kLabelHeight, kLabelColour);
    canvas.DrawLabel("Ver: 1.0", 850, 75, kLabelHeight, kLabelColour);
}

void HelpWindowClick(int x, int y, MainWindowState& window, const AppState& state, UiServices& ui,
                     Shell& shell) {
    window.helpVisible = false;
    if (!kArea.Contains(x, y))
        return;
    switch ((y - kArea.top) / kRowHeight) {
    case 0:
        if (Status opened = shell.OpenUrl(kHomePageUrl); !opened)
            std::cerr << "hxtr720: " << opened.error().message << '\n';
        break;
    case 1:
        if (state.firmwareVersion.major() >= 1 && state.expectedVersion.major > 1)
            LaunchUpdater(state.folders.resources, ui, shell);
        break;
    default:
        break;
    }
}

} // namespace hx
