#pragma once

#include "config/AppState.h"
#include "keymap/AssignmentResult.h"
#include "keymap/KeyMapController.h"
#include "platform/KeyHook.h"
#include "platform/UiServices.h"
#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"

#include <QDialog>
#include <QImage>

#include <cstddef>
#include <filesystem>
#include <vector>

class QLineEdit;
class QListWidget;
class QTreeWidgetItem;

namespace hx {

class Canvas;
class VividTree;

// The key-assignment dialog: a frameless skinned window with the single-key and combination
// edits, the macro list and the function tree over its pages. Its behaviour is the
// KeyMapController's; this window forwards mouse, focus and hook events, shows the
// controller's state in the controls and draws through a Canvas. While it is open the key hook
// reports every key stroke to it, and key presses never reach its controls as typing.
class CKeyMap final : public QDialog {
    Q_OBJECT

public:
    CKeyMap(AppState& state, UiServices& ui, KeyHook& hook, AssignmentResult& result,
            QWidget* parent = nullptr);
    ~CKeyMap() override;

    // Sets the dialog up for the key `key` (below kKeyCount) and installs the hook.
    void Open(std::size_t key);

    // The picture as the window shows it now, without its controls.
    const QImage& screen() const { return screen_; }
    // The whole picture composed afresh from the state.
    QImage Compose();

    KeyMapController& controller() { return controller_; }
    QLineEdit* singleKeyEdit() const { return singleKeyEdit_; }
    QLineEdit* comboEdit() const { return comboEdit_; }
    QListWidget* macroList() const { return macroList_; }
    VividTree* tree() const { return tree_; }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void Apply(const KeyMapEffects& effects, bool leftButtonHeld = false);
    void Sync();
    void Draw(void (*paint)(Canvas&, const KeyMapController&));
    void RemoveHook();

    std::filesystem::path skinFolder_;
    SkinCache skins_;
    LabelFonts fonts_;
    KeyHook& hook_;
    KeyMapController controller_;
    QImage screen_;
    bool syncing_ = false;

    QLineEdit* singleKeyEdit_ = nullptr;
    QLineEdit* comboEdit_ = nullptr;
    QListWidget* macroList_ = nullptr;
    VividTree* tree_ = nullptr;
    std::vector<QTreeWidgetItem*> treeItems_; // in kFunctionTree order
};

// Runs the key-assignment dialog modally for key `key` (a keyIndex) over `parent`. `result` is
// the run-long assignment state the dialog works on (it keeps the last chosen function between
// openings). Returns true when the dialog ended with OK: `result` then holds what
// CommitKeyAssignment encodes, and the key's record has the dialog's pending changes. False
// for Cancel, and for a key that is not one of the keyboard's keys.
bool RunKeyAssignment(AppState& state, std::size_t key, AssignmentResult& result, UiServices& ui,
                      KeyHook& hook, QWidget* parent);

} // namespace hx
