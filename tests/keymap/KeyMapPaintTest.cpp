#include "keymap/KeyMapPaint.h"

#include "support/RecordingCanvas.h"
#include "KeyMapFixture.h"

#include <string>
#include <vector>

namespace hx {
namespace {

using Calls = std::vector<std::string>;

class KeyMapPaintTest : public test::KeyMapFixture {
protected:
    Calls Paint(void (*paint)(Canvas&, const KeyMapController&)) {
        test::RecordingCanvas canvas;
        paint(canvas, dialog);
        return canvas.calls;
    }
};

TEST_F(KeyMapPaintTest, WholeDialogOnTheKeysPageInOrder) {
    dialog.Open(kKey);
    dialog.MouseMove(170, 250); // over Reset
    const Calls expected{
        "label \"Current Key:Esc \" 2 2 14 #FFFFFF",
        "image button-close-normal.png 303 2",
        "image large_button.png 0 31",
        "image large_button.png 81 31",
        "image large_button.png 162 31",
        "image large_button.png 243 31",
        "image single_combine_option.png 0 30",
        "image cursor.png 35 30",
        "label \"Клавіша\" 17 33 14 #FFFFFF",
        "label \"комбінації\" 17 42 14 #FFFFFF",
        "label \"Макрос\" 107 39 14 #C0C0C0",
        "label \"Основна\" 182 33 14 #C0C0C0",
        "label \"функція\" 182 42 14 #C0C0C0",
        "label \"Розширені\" 259 33 14 #C0C0C0",
        "label \"функції\" 259 42 14 #C0C0C0",
        "label \"Клавіша\" 20 69 14 #C0C0C0",
        "label \"комбінації\" 20 119 14 #C0C0C0",
        "image Disable.png 19 251",
        "label \"Відключена кнопка\" 34 249 14 #FFFFFF",
        "image button-cancel-over.png 156 246",
        "image button-cancel-normal.png 210 246",
        "image button-save-normal.png 264 246",
        "label \"Скинути\" 161 251 11 #FFFFFF",
        "label \"Скасувати\" 213 251 11 #FFFFFF",
        "label \"Зберегти\" 268 251 11 #FFFFFF",
    };
    EXPECT_EQ(Paint(PaintKeyMap), expected);
}

TEST_F(KeyMapPaintTest, AdvancedPageShowsTheRowsTheRadioAndTheShortenedPath) {
    Store(ASSIGN_OPEN_FILE, {0x03, 0x00, 0x23, 0x02});
    StoreShortcutPath(state->keys[kKey], u"/home/user/notes/todo.txt");
    dialog.Open(kKey);
    ClickCell(1, 0); // the radio of row 1 moves the radio mark
    ui.files.push_back(std::filesystem::path("/home/user/notes/todo.txt"));
    ClickCell(2, 3); // and the browse button of row 2 chooses that row again
    Calls expected{
        "image single_combine_option.png 0 30", "image cursor.png 280 30",
        "label \"Клавіша\" 17 33 14 #C0C0C0",   "label \"комбінації\" 17 42 14 #C0C0C0",
        "label \"Макрос\" 107 39 14 #C0C0C0",   "label \"Основна\" 182 33 14 #C0C0C0",
        "label \"функція\" 182 42 14 #C0C0C0",  "label \"Розширені\" 259 33 14 #FFFFFF",
        "label \"функції\" 259 42 14 #FFFFFF",  "image Macro_BK.png 15 66",
    };
    const char* const labels[4][2] = {{"Увімкнути", "гучність"},
                                      {"Адміністратор", "запуску вікон"},
                                      {"Відкрити", "файл"},
                                      {"Відкрити", "каталог"}};
    for (int r = 0; r < 4; ++r) {
        const std::string y = std::to_string(68 + 30 * r);
        expected.push_back("image disable.png 15 " + std::to_string(72 + 30 * r));
        expected.push_back("label \"" + std::string(labels[r][0]) + "\" 30 " +
                           std::to_string(65 + 30 * r) + " 14 #FFFFFF");
        expected.push_back("label \"" + std::string(labels[r][1]) + "\" 30 " +
                           std::to_string(80 + 30 * r) + " 14 #FFFFFF");
        expected.push_back("image Advanced.png 110 " + y);
        expected.push_back("image view.png 256 " + y);
    }
    expected.insert(expected.end(), {
                                        "image enable.png 15 132",
                                        "image Disable.png 15 72",
                                        "image Disable.png 15 102",
                                        "image Disable.png 15 162",
                                        "label \"../todo.txt\" 113 129 14 #FFFFFF",
                                        "image enable.png 15 132",
                                    });
    EXPECT_EQ(Paint(PaintKeyMapPage), expected);
}

TEST(KeyMapPathText, ShortPathsShowWholeLongOnesFromTheLastSeparator) {
    EXPECT_EQ(AdvancedPathText(u"/srv/a.mp3"), "/srv/a.mp3");
    EXPECT_EQ(AdvancedPathText(u"/home/user/Музика"), "../Музика");
    EXPECT_EQ(AdvancedPathText(u"/home/user/Music/"), "../Music/");
}

TEST_F(KeyMapPaintTest, TickBoxAndBrowseButtonsRedrawAlone) {
    dialog.Open(kKey);
    Click(kButtonTickBox);
    EXPECT_EQ(Paint(PaintTickBox), (Calls{
                                       "image Enable.png 19 251",
                                       "fill 34 249 134 269 #232323",
                                       "label \"Відключена кнопка\" 34 249 14 #FFFFFF",
                                   }));

    Click(kButtonFirstTab + 3);
    dialog.MouseMove(170, 250);
    dialog.MouseMove(280, AdvancedRowTop(3) + 2);
    EXPECT_EQ(Paint(PaintBrowseButtons), Calls{"image view02.png 256 158"});
    dialog.MouseMove(170, 250);
    dialog.MouseMove(200, 200);
    EXPECT_EQ(Paint(PaintBrowseButtons), (Calls{
                                             "image view.png 256 68",
                                             "image view.png 256 98",
                                             "image view.png 256 128",
                                             "image view.png 256 158",
                                         }));
}

} // namespace
} // namespace hx
