#pragma once

#include "config/AppState.h"
#include "platform/UiServices.h"
#include "profile/ProfileManager.h"
#include "ui/controls/LabelFonts.h"
#include "ui/controls/SkinCache.h"

#include <QDialog>
#include <QImage>
#include <QRect>

#include <filesystem>

namespace hx {

class CTransparentListBox;

// The profile manager: a frameless skinned dialog with the list of profiles, the New and Delete
// buttons, a close button and a context menu over the list. The commands themselves are the
// ProfileManager's; this window keeps the list's selection and draws.
class CConfigureDlg final : public QDialog {
    Q_OBJECT

public:
    CConfigureDlg(AppState& state, UiServices& ui, QWidget* parent = nullptr);
    ~CConfigureDlg() override;

    // Puts the dialog one pixel left of and above the main window's top-left corner.
    void PlaceBeside(const QRect& mainWindowRect);
    // Rescans the folder and fills the list; every showing starts with it.
    void Reload();

    // The composed picture of the window without its list.
    QImage Compose();
    CTransparentListBox* list() const { return list_; }
    ProfileManager& manager() { return manager_; }

    // Runs a command as its button or menu item does, on the list's selection.
    void RunCommand(ProfileCommand command);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillList(int select);
    int SelectedRow() const;
    void ShowContextMenu(const QPoint& globalPos);

    std::filesystem::path skinFolder_;
    SkinCache skins_;
    LabelFonts fonts_;
    UiServices& ui_;
    ProfileManager manager_;
    CTransparentListBox* list_ = nullptr;
};

// Shows the profile manager modally over `parent`, placed by the main window's screen
// rectangle. Returns whether a profile was loaded into the live blocks; the main window
// refreshes itself afterwards either way.
bool RunProfileManager(AppState& state, UiServices& ui, QWidget* parent,
                       const QRect& mainWindowRect);

} // namespace hx
