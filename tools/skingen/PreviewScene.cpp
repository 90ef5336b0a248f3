#include "PreviewScene.h"

#include "ui/controls/BitSliderModel.h"
#include "ui/main/KeyRects.h"

#include <array>
#include <cstdio>
#include <string>

namespace skin {
namespace {

using hx::Canvas;

constexpr hx::Colour kWhite = hx::kLabelColour;

hx::SliderPlacement Slider(int x, int y, int minimum, int maximum, int position) {
    const int travel = hx::ThumbTravelPosition(minimum, maximum, position, hx::kStyleThumbTravel);
    const int left = hx::kStyleGrooveLeft + travel;
    return {x,
            y,
            x + hx::kSliderWidth,
            y + hx::kSliderHeight,
            hx::ThumbOffsetFromRect(left, left + hx::kStyleThumbLength),
            position};
}

void KeyOverlay(Canvas& canvas, int key) {
    const hx::KeyRect& r = hx::kKeyRects[static_cast<std::size_t>(key)];
    canvas.DrawSkinImagePart("kb_hl.png", {r.left, r.top, r.right - r.left, r.bottom - r.top},
                             hx::kKeyPictureX + r.left, hx::kKeyPictureY + r.top);
}

void ColourOverlay(Canvas& canvas, int hovered) {
    // A smooth sweep across the board, each key with its caption in the inverse colour.
    for (std::size_t k = 0; k < hx::kKeyRects.size(); ++k) {
        const hx::KeyRect& r = hx::kKeyRects[k];
        if (!r.onPicture()) {
            continue;
        }
        const int red = 255 - r.left * 255 / 640;
        const int green = 40 + r.top;
        const int blue = r.left * 255 / 640;
        const hx::Colour colour = static_cast<hx::Colour>((red << 16) | (green << 8) | blue);
        canvas.FillCell(hx::kKeyPictureX + r.left, hx::kKeyPictureY + r.top,
                        hx::kKeyPictureX + r.right, hx::kKeyPictureY + r.bottom, colour);
        canvas.DrawLabel(r.caption, hx::kKeyCaptionOriginX + r.captionX,
                         hx::kKeyCaptionOriginY + r.captionY, 10, 0xFFFFFF ^ colour);
    }
    const hx::KeyRect& h = hx::kKeyRects[static_cast<std::size_t>(hovered)];
    canvas.DrawOutline(305 + h.left, 209 + h.top, h.right - h.left + 3, h.bottom - h.top + 3);
}

} // namespace

void ComposeMainWindow(Canvas& canvas, hx::DeviceImage& image, const PreviewState& state) {
    canvas.DrawSkinImage("button-help-normal.png", 936, 5);
    canvas.DrawSkinImage("button-min-normal.png", 957, 5);
    canvas.DrawSkinImage("button-close-normal.png", 978, 5);
    canvas.DrawSkinImage("logo.png", 19, 35);
    canvas.DrawSkinImage("kb_BK.png", 307, 211);
    if (state.perKeyColours) {
        ColourOverlay(canvas, state.hoveredKey);
    } else {
        KeyOverlay(canvas, state.hoveredKey);
        for (int key : {0, 63, 64, 65, 98}) {
            KeyOverlay(canvas, key);
        }
    }
    canvas.DrawSkinImage("button-cancel-normal.png", 800, 605);
    canvas.DrawSkinImage("button-cancel-normal.png", 862, 605);
    canvas.DrawSkinImage("button-save-normal.png", 924, 605);
    canvas.DrawSkinImage("Config.png", 17, 603);
    canvas.DrawLabel("Конфігурація", 45, 610, 13, kWhite);
    canvas.DrawLabel("Скинути", 809, 612, 13, kWhite);
    canvas.DrawLabel("Скасувати", 865, 612, 13, kWhite);
    canvas.DrawLabel("Зберегти", 930, 612, 13, kWhite);

    // Lighting section, expanded, wave mode with colour choice 8 and direction right.
    constexpr int kLightingHeight = 225;
    canvas.DrawSkinImage("itemBK.png", 19, 110);
    canvas.DrawLabel("Підсвічування", 19, 110, 15, kWhite);
    canvas.DrawSkinImage("LEDEffect_open.png", 19, 130);
    canvas.DrawLabel("Ефект підсвічування", 28, 137, 15, kWhite);
    canvas.DrawSkinImage("Light_Item.png", 28, 158);
    if (!state.perKeyColours) {
        canvas.DrawSkinImage("freq.png", 19, 245);
        hx::DrawSlider(canvas, image, hx::kSpeedSliderId, Slider(28, 303, 0, 9, state.speed));
        canvas.DrawLabel("Швидкість", 28, 290, 13, kWhite);
        canvas.DrawLabel("Зменшити швидкість", 28, 317, 13, kWhite);
        canvas.DrawLabel("Збільшити швидкість", 150, 317, 13, kWhite);
    }
    canvas.DrawLabel("Яскравість", 28, 247, 13, kWhite);
    canvas.DrawLabel("Зменшити яскравість", 28, 274, 13, kWhite);
    canvas.DrawLabel("Збільшити яскравість", 150, 274, 13, kWhite);
    hx::DrawSlider(canvas, image, hx::kBrightnessSliderId,
                   Slider(28, 260, 0, 50, state.brightness));
    if (state.perKeyColours) {
        canvas.DrawSkinImage("Disable.png", 28, 199);
        canvas.DrawSkinImage("Enable.png", 130, 199);
        canvas.DrawLabel("Keymap", 45, 197, 15, kWhite);
        canvas.DrawLabel("DIY", 147, 197, 15, kWhite);
        canvas.DrawLabel("DIY1", 28, 158, 15, kWhite);
    } else {
        canvas.DrawSkinImage("8.png", 203, 223);
        for (int n = 0; n < 7; ++n) {
            canvas.FillCell(28 + 25 * n, 223, 48 + 25 * n, 243, 0xC0C0C0);
        }
        canvas.DrawOutline(25 * 8 + 1, 221, 23, 23);
        canvas.DrawLabel("Напрямок", 29, 177, 15, kWhite);
        canvas.DrawSkinImage("Direction-T-Disable.png", 29, 197);
        canvas.DrawSkinImage("Direction-B-Disable.png", 79, 197);
        canvas.DrawSkinImage("Direction-R-Disable.png", 129, 197);
        canvas.DrawSkinImage("Direction-L-Disable.png", 179, 197);
        canvas.DrawSkinImage("Direction-R-Enable.png", 129, 197);
        canvas.DrawLabel("Режим хвиля", 28, 158, 15, kWhite);
    }

    // Macro row.
    const int macroTop = kLightingHeight + 110;
    canvas.DrawSkinImage("MacroManagementBK.png", 19, macroTop);
    canvas.DrawSkinImage("MacroButton3.png", 19, macroTop + 10);
    canvas.DrawLabel("Диспетчер макросів", 21, macroTop + 12, 15, kWhite);

    // Game mode on with the Win lock on.
    const int g = kLightingHeight + 165;
    canvas.DrawSkinImage("gamemode_open.png", 19, g);
    canvas.DrawLabel("Режим гри", 19, g, 15, kWhite);
    canvas.DrawSkinImage("Enable.png", 34, g + 33);
    canvas.DrawSkinImage("Disable.png", 88, g + 33);
    canvas.DrawLabel("ввімк", 51, g + 31, 15, kWhite);
    canvas.DrawLabel("вимк", 105, g + 31, 15, kWhite);
    canvas.DrawLabel("Режим WIN LOCK", 149, g, 15, kWhite);
    canvas.DrawSkinImage("Enable.png", 164, g + 33);
    canvas.DrawSkinImage("Disable.png", 218, g + 33);
    canvas.DrawLabel("ввімк", 181, g + 31, 15, kWhite);
    canvas.DrawLabel("вимк", 235, g + 31, 15, kWhite);

    // Response time 4 ms.
    const int q = kLightingHeight + 220;
    canvas.DrawSkinImage("responsetime_open.png", 19, q);
    canvas.DrawLabel("Час відповіді кнопки", 19, q, 15, kWhite);
    canvas.DrawSkinImage("Light_Item.png", 28, q + 28);
    canvas.DrawLabel("4 ms", 100, q + 28, 15, kWhite);

    // Report rate.
    const int r = q + 75;
    canvas.DrawSkinImage("reportrate_Open.png", 19, r);
    canvas.DrawLabel("Частота опитування USB", 19, r, 15, kWhite);
    hx::DrawSlider(canvas, image, hx::kReportRateSliderId,
                   Slider(28, r + 23, 0, 3, state.reportRate));
}

void ComposeKeyAssignment(Canvas& canvas) {
    canvas.DrawLabel("Current Key:Esc ", 2, 2, 14, kWhite);
    canvas.DrawSkinImage("button-close-normal.png", 303, 2);
    for (int tab = 0; tab < 4; ++tab) {
        canvas.DrawSkinImage("large_button.png", 81 * tab, 31);
    }
    canvas.DrawSkinImage("single_combine_option.png", 0, 30);
    canvas.DrawSkinImage("cursor.png", 280, 30);
    canvas.DrawLabel("Клавіша", 17, 33, 14, 0xC0C0C0);
    canvas.DrawLabel("комбінації", 17, 42, 14, 0xC0C0C0);
    canvas.DrawLabel("Макрос", 107, 39, 14, 0xC0C0C0);
    canvas.DrawLabel("Основна", 182, 33, 14, 0xC0C0C0);
    canvas.DrawLabel("функція", 182, 42, 14, 0xC0C0C0);
    canvas.DrawLabel("Розширені", 259, 33, 14, kWhite);
    canvas.DrawLabel("функції", 259, 42, 14, kWhite);
    canvas.DrawSkinImage("Macro_BK.png", 15, 66);
    const std::array<std::array<const char*, 2>, 4> rows{{{"Увімкнути", "гучність"},
                                                          {"Адміністратор", "запуску вікон"},
                                                          {"Відкрити", "файл"},
                                                          {"Відкрити", "каталог"}}};
    for (int row = 0; row < 4; ++row) {
        const int y = 68 + 30 * row;
        canvas.DrawSkinImage(row == 2 ? "enable.png" : "disable.png", 15, y + 4);
        canvas.DrawLabel(rows[row][0], 30, 65 + 30 * row, 14, kWhite);
        canvas.DrawLabel(rows[row][1], 30, 80 + 30 * row, 14, kWhite);
        canvas.DrawSkinImage("Advanced.png", 110, y);
        canvas.DrawSkinImage(row == 1 ? "view02.png" : "view.png", 256, y);
    }
    canvas.DrawLabel("..\\notes.txt", 113, 129, 14, kWhite);
    canvas.DrawSkinImage("Disable.png", 19, 251);
    canvas.DrawLabel("Відключена кнопка", 34, 249, 14, kWhite);
    canvas.DrawSkinImage("button-cancel-normal.png", 156, 246);
    canvas.DrawSkinImage("button-cancel-over.png", 210, 246);
    canvas.DrawSkinImage("button-save-normal.png", 264, 246);
    canvas.DrawLabel("Скинути", 161, 251, 11, kWhite);
    canvas.DrawLabel("Скасувати", 213, 251, 11, kWhite);
    canvas.DrawLabel("Зберегти", 268, 251, 11, kWhite);
}

void ComposeMacroManager(Canvas& canvas) {
    canvas.DrawLabel("Диспетчер макросів", 16, 9, 18, kWhite);
    canvas.DrawLabel("Обрати макрос", 32, 60, 15, kWhite);
    canvas.DrawLabel("Кнопка", 185, 60, 15, kWhite);
    canvas.DrawLabel("Параметри запису", 280, 60, 15, kWhite);
    canvas.DrawSkinImage("Record-normal.png", 290, 100);
    canvas.DrawLabel("Почати запис", 292, 103, 14, kWhite);
    canvas.DrawLabel("Кнопка часу  ", 290, 153, 15, kWhite);
    canvas.DrawLabel("затримки", 290, 168, 15, kWhite);
    canvas.DrawLabel("запису", 290, 183, 15, kWhite);
    canvas.DrawSkinImage("PaneMakingTick.png", 296, 315);
    canvas.DrawLabel("Індекс циклу", 295, 300, 15, kWhite);
    canvas.DrawSkinImage("button-new-normal.png", 20, 368);
    canvas.DrawLabel("Новий", 35, 375, 12, kWhite);
    canvas.DrawSkinImage("button-new-normal.png", 80, 368);
    canvas.DrawLabel("Видалити", 88, 375, 12, kWhite);
    canvas.DrawSkinImage("button-new-over.png", 280, 400);
    canvas.DrawLabel("Підтвердити", 282, 406, 12, kWhite);
    canvas.DrawSkinImage("button-new-normal.png", 340, 400);
    canvas.DrawLabel("Скасувати", 344, 406, 12, kWhite);
    canvas.DrawSkinImage("Pane.png", 368, 168);
    // A few list lines as the lists would show them over their background bitmap.
    canvas.DrawBitmapPart(hx::BitmapId::ListBackground, {7, 22, 113, 275}, 20, 80);
    canvas.DrawBitmapPart(hx::BitmapId::ListBackground, {7, 22, 113, 275}, 150, 80);
    canvas.DrawLabel("Macro1", 24, 84, 16, 0x00FFFF);
    canvas.DrawLabel("Macro2", 24, 102, 16, kWhite);
    const std::array<std::pair<hx::BitmapId, const char*>, 4> events{
        {{hx::BitmapId::PressIcon, "A"},
         {hx::BitmapId::DelayIcon, "35ms"},
         {hx::BitmapId::ReleaseIcon, "A"},
         {hx::BitmapId::DelayIcon, "12ms"}}};
    for (int i = 0; i < 4; ++i) {
        const bool delay = events[i].first == hx::BitmapId::DelayIcon;
        canvas.DrawBitmapPart(events[i].first, {0, 0, delay ? 14 : 10, 14}, 154, 85 + 18 * i);
        canvas.DrawLabel(events[i].second, 172, 84 + 18 * i, 16, kWhite);
    }
}

void ComposeProfileManager(Canvas& canvas) {
    canvas.DrawLabel("Конфігурація", 10, 10, 15, kWhite);
    canvas.DrawSkinImage("button-close-normal.png", 247, 10);
    canvas.DrawSkinImage("New.png", 13, 575);
    canvas.DrawLabel("Новий", 30, 578, 16, kWhite);
    canvas.DrawSkinImage("Delete.png", 183, 575);
    canvas.DrawLabel("Видалити", 200, 578, 16, kWhite);
    canvas.DrawLabel("Конфігурація_1", 6, 38, 15, 0x00FFFF);
    canvas.DrawLabel("Конфігурація_2", 6, 56, 15, kWhite);
}

} // namespace skin
