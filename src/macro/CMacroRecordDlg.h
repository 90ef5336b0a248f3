#pragma once

#include "common/Clock.h"
#include "config/AppState.h"
#include "macro/MacroManager.h"
#include "macro/MacroManagerLayout.h"
#include "platform/KeyHook.h"
#include "platform/UiServices.h"
#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"

#include <QDialog>
#include <QImage>

#include <filesystem>
#include <memory>
#include <vector>

class QLineEdit;

namespace hx {

class CTransparentListBox;

// The macro manager: a frameless skinned dialog with the macro list, the event list of the
// selected macro, the record button, the delay and repeat boxes, New, Delete, OK and Cancel. The
// MacroManager decides everything; this window shows its lines and flags, forwards clicks, keys
// from the hook, in-place edits and context-menu commands, and draws.
class CMacroRecordDlg final : public QDialog {
    Q_OBJECT

public:
    CMacroRecordDlg(AppState& state, UiServices& ui, KeyHook& hook, const Clock& clock,
                    QWidget* parent = nullptr);
    ~CMacroRecordDlg() override;

    // Starts a session on the program's library; every showing starts with it.
    void Open();

    // What the window shows now (the lists and the edit are child widgets on top).
    const QImage& Screen() const { return screen_; }
    MacroManager& manager() { return *manager_; }
    CTransparentListBox* macroList() const { return macroList_; }
    CTransparentListBox* eventList() const { return eventList_; }
    QLineEdit* repeatEdit() const { return repeatEdit_; }

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Hook;

    void Click(int region);
    void ShowEventMenu(const QPoint& globalPos);
    void MacroListEdited();
    // Shows the manager's lines, selections and repeat text.
    void Sync();
    void FullPaint();
    void RepaintRegions(const std::vector<int>& regions);
    MacroPaintFlags Flags() const;

    AppState& state_;
    UiServices& ui_;
    std::unique_ptr<Hook> hook_;
    std::unique_ptr<MacroManager> manager_;
    std::filesystem::path skinFolder_;
    SkinCache skins_;
    LabelFonts fonts_;
    QImage screen_;
    MacroPointerState pointer_;
    CTransparentListBox* macroList_ = nullptr;
    CTransparentListBox* eventList_ = nullptr;
    QLineEdit* repeatEdit_ = nullptr;
};

// Shows the macro manager modally over `parent`. True when it closed with OK, which has put the
// edited library into `state.macroLibrary`; the caller then runs CommitMacroLibrary.
bool RunMacroManager(AppState& state, UiServices& ui, KeyHook& hook, QWidget* parent);

} // namespace hx
