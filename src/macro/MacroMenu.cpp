#include "macro/MacroMenu.h"

#include "macro/MacroTexts.h"

#include <string>

namespace hx {

std::vector<MenuEntry> MacroEventMenu() {
    std::vector<MenuEntry> mouse;
    for (const MouseButtonMenu& button : kMouseButtonMenus) {
        mouse.push_back({std::string(button.text),
                         0,
                         {
                             {std::string(kMenuPress), button.ids[0], {}},
                             {std::string(kMenuRelease), button.ids[1], {}},
                             {std::string(kMenuClick), button.ids[2], {}},
                         }});
    }
    return {
        {std::string(kMenuInsertBefore), kCmdInsertBefore, {}},
        {std::string(kMenuInsertAfter), kCmdInsertAfter, {}},
        {std::string(kMenuMouse), 0, std::move(mouse)},
        {std::string(kMenuInsertDelay), kCmdInsertDelay, {}},
        {std::string(kMenuDeleteLine), kCmdDeleteLine, {}},
    };
}

} // namespace hx
