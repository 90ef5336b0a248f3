// skinpreview [output folder]
// Composes the main window (keymap and per-key colour states) and the three dialogs from the
// built skin through QtCanvas and writes them as PNG files, to look at the skin as a user would.
#include "PreviewScene.h"

#include "ui/controls/LabelFonts.h"
#include "ui/controls/QtCanvas.h"
#include "ui/controls/SkinCache.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

bool Render(hx::SkinCache& skins, hx::LabelFonts& fonts, const std::filesystem::path& folder,
            const char* background, const std::function<void(hx::Canvas&)>& compose,
            const QString& out) {
    QImage buffer = hx::LoadBackBuffer(skins, folder, background);
    if (buffer.isNull()) {
        std::fprintf(stderr, "skinpreview: no %s in %s\n", background, folder.c_str());
        return false;
    }
    {
        hx::QtCanvas canvas(buffer, skins, fonts, folder);
        compose(canvas);
    }
    const bool saved = buffer.save(out);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(out));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const std::filesystem::path skin = HX_SKIN_DIR;
    hx::SkinCache skins;
    hx::LabelFonts fonts;
    hx::DeviceImage image;
    bool ok = true;
    ok &= Render(
        skins, fonts, skin, "main.png",
        [&](hx::Canvas& c) { skin::ComposeMainWindow(c, image, {}); },
        outDir + "/preview-main.png");
    skin::PreviewState diy;
    diy.perKeyColours = true;
    diy.hoveredKey = 63;
    ok &= Render(
        skins, fonts, skin, "main.png",
        [&](hx::Canvas& c) { skin::ComposeMainWindow(c, image, diy); },
        outDir + "/preview-main-diy.png");
    ok &= Render(skins, fonts, skin / "Custom", "Custom_BK.png", skin::ComposeKeyAssignment,
                 outDir + "/preview-key-assignment.png");
    ok &= Render(skins, fonts, skin / "MacroManagement", "MacroManagement.png",
                 skin::ComposeMacroManager, outDir + "/preview-macro-manager.png");
    ok &= Render(skins, fonts, skin / "Config", "Config.png", skin::ComposeProfileManager,
                 outDir + "/preview-profile-manager.png");
    return ok ? 0 : 1;
}
