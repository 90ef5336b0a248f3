#include "profile/CConfigureDlg.h"

#include "ui/controls/DialogKeys.h"
#include "profile/ProfileDialogLayout.h"
// CTransparentListBox.h needs the editor complete for its inline Editor().
#include "ui/controls/CEditHelper.h"
#include "ui/controls/CTransparentListBox.h"
#include "ui/controls/QtCanvas.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <string>
#include <vector>

namespace hx {

CConfigureDlg::CConfigureDlg(AppState& state, UiServices& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      skinFolder_(state.folders.resources / "png" / "english" / "Config"), ui_(ui),
      manager_(state, ui) {
    setWindowTitle(QString::fromUtf8(kProfileTitle.data(), static_cast<int>(kProfileTitle.size())));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    const QImage background = skins_.Load(skinFolder_, kProfileBackground);
    if (!background.isNull())
        setFixedSize(background.size());

    list_ = new CTransparentListBox(this);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setGeometry(kProfileListPlace.x, kProfileListPlace.y, kProfileListPlace.width,
                       kProfileListPlace.height);
    list_->SetTextStyle(kProfileListFont, kProfileListFontHeight, kProfileListTextColour,
                        kProfileListSelectedColour, true, kProfileListShadowColour,
                        kProfileListShadowOffset);
    list_->SetEditMode(kEditParentBacked);
    list_->setContextMenuPolicy(Qt::NoContextMenu);
    list_->viewport()->installEventFilter(this);
}

CConfigureDlg::~CConfigureDlg() = default;

void CConfigureDlg::PlaceBeside(const QRect& mainWindowRect) {
    move(mainWindowRect.topLeft() + QPoint(kProfileDialogOffset, kProfileDialogOffset));
}

void CConfigureDlg::Reload() {
    manager_.Refresh();
    FillList(-1);
}

void CConfigureDlg::FillList(int select) {
    list_->EndItemEdit(false);
    list_->clear();
    for (const ProfileEntry& entry : manager_.profiles())
        list_->AddItem(QString::fromStdString(entry.name));
    if (select >= 0 && select < list_->count())
        list_->setCurrentRow(select);
    list_->viewport()->update();
}

int CConfigureDlg::SelectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void CConfigureDlg::RunCommand(ProfileCommand command) {
    FillList(manager_.Run(command, SelectedRow()));
}

QImage CConfigureDlg::Compose() {
    QImage buffer = LoadBackBuffer(skins_, skinFolder_, kProfileBackground);
    if (buffer.isNull())
        return buffer;
    {
        QtCanvas canvas(buffer, skins_, fonts_, skinFolder_);
        PaintProfileDialog(canvas);
    }
    return buffer;
}

void CConfigureDlg::paintEvent(QPaintEvent*) {
    const QImage buffer = Compose();
    QPainter painter(this);
    if (!buffer.isNull())
        painter.drawImage(0, 0, buffer);
}

void CConfigureDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Reload();
}

void CConfigureDlg::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    switch (ProfileDialogHitTest(p.x(), p.y())) {
    case ProfileClick::kClose:
        accept();
        break;
    case ProfileClick::kNew:
        RunCommand(ProfileCommand::kNew);
        break;
    case ProfileClick::kDelete:
        RunCommand(ProfileCommand::kDelete);
        break;
    case ProfileClick::kNone:
        break;
    }
}

bool CConfigureDlg::eventFilter(QObject* watched, QEvent* e) {
    if (watched == list_->viewport() && e->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::RightButton) {
            ShowContextMenu(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void CConfigureDlg::ShowContextMenu(const QPoint& globalPos) {
    std::vector<std::string> items;
    for (const ProfileMenuItem& item : kProfileMenu)
        items.emplace_back(item.text);
    const auto chosen = ui_.ShowContextMenu(items, globalPos.x(), globalPos.y());
    if (chosen && *chosen < kProfileMenu.size())
        RunCommand(kProfileMenu[*chosen].command);
}

bool CConfigureDlg::event(QEvent* e) {
    switch (static_cast<int>(e->type())) {
    case WM_LISTBOX_ITEM_EDITED: {
        // wParam: the profile's place when editing began; lParam: the line now holding the text.
        const auto* m = static_cast<WindowMessageEvent*>(e);
        const int line = static_cast<int>(m->lParam());
        const QListWidgetItem* item =
            line >= 0 && line < list_->count() ? list_->item(line) : nullptr;
        const int select =
            item ? manager_.Rename(static_cast<int>(m->wParam()), item->text().toStdString()) : -1;
        FillList(item ? select : -1);
        return true;
    }
    case WM_LISTBOX_EDIT_START:
    case WM_LISTBOX_ITEM_CHANGED:
        return true;
    default:
        return QDialog::event(e);
    }
}

void CConfigureDlg::keyPressEvent(QKeyEvent* e) {
    // Enter and Escape belong to the list's editor, never to the dialog's default buttons.
    if (IsDialogClosingKey(e)) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool RunProfileManager(AppState& state, UiServices& ui, QWidget* parent,
                       const QRect& mainWindowRect) {
    CConfigureDlg dialog(state, ui, parent);
    dialog.PlaceBeside(mainWindowRect);
    dialog.exec();
    return dialog.manager().loaded();
}

} // namespace hx
