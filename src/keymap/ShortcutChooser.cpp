#include "keymap/ShortcutChooser.h"

#include "keymap/KeyMapLayout.h"
#include "keymap/ShortcutKinds.h"

#include <string>

namespace hx {

FileDialogRequest ShortcutChooserRequest(std::size_t row) {
    const ShortcutKind& kind = kShortcutKinds[row < kShortcutRows ? row : 0];
    FileDialogRequest request;
    if (kind.folder) {
        request.mode = FileDialogMode::kFolder;
        request.title = std::string(kFolderBrowserTitle);
        return request;
    }
    request.mode = FileDialogMode::kOpen;
    request.mustExist = true;
    request.initialName = std::string(kind.initialFileName);
    // The description carries the pattern in brackets, which is how the dialog learns it.
    request.filter = std::string(kind.filterText);
    request.defaultSuffix = std::string(kind.defaultExtension.substr(1));
    if (kind.assignType == ASSIGN_RUN_PROGRAM) {
        // Programs here have no ".exe": offer every file too, and never add the suffix to a
        // typed name, which would make "/usr/bin/foo" a file that does not exist.
        request.filter += ";;All files (*)";
        request.defaultSuffix.clear();
    }
    return request;
}

bool ChooseShortcutPath(std::size_t row, UiServices& ui, AssignmentResult& result) {
    if (row >= kShortcutRows)
        return false;
    const auto picked = ui.ChooseFile(ShortcutChooserRequest(row));
    if (!picked)
        return false;
    const ShortcutPathCheck check = AcceptShortcutPath(row, *picked, result);
    if (check == ShortcutPathCheck::kAccepted)
        return true;
    ui.ShowMessage(std::string(ShortcutPathMessage(check)), std::string(kKeyMapMessageCaption),
                   MessageButtons::kOk);
    return false;
}

} // namespace hx
