#include "macro/CMacroRecordDlg.h"

#include "ui/controls/DialogKeys.h"
#include "macro/MacroMenu.h"
#include "macro/MacroTexts.h"
// CTransparentListBox.h needs the editor complete for its inline Editor().
#include "ui/controls/CEditHelper.h"
#include "ui/controls/CTransparentListBox.h"
#include "ui/controls/QtCanvas.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QWindow>

#include <string>

namespace hx {
namespace {

QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string FromQString(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

int SelectedRow(const CTransparentListBox& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

// Makes the list show `lines` with `selected` selected, touching only lines that differ so an
// edit the list is finishing still finds its line.
void ShowLines(CTransparentListBox& list, const std::vector<std::u16string>& lines, int selected) {
    const QSignalBlocker quiet(list);
    while (list.count() > static_cast<int>(lines.size()))
        delete list.takeItem(list.count() - 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = ToQString(lines[i]);
        if (static_cast<int>(i) < list.count()) {
            if (list.item(static_cast<int>(i))->text() != text)
                list.item(static_cast<int>(i))->setText(text);
        } else {
            list.AddItem(text);
        }
    }
    if (selected >= 0 && selected < list.count()) {
        if (SelectedRow(list) != selected)
            list.setCurrentRow(selected);
    } else if (SelectedRow(list) >= 0) {
        list.clearSelection();
    }
    list.viewport()->update();
}

void PlaceList(CTransparentListBox& list, const MacroControlPlace& place, int editMode) {
    list.setFrameShape(QFrame::NoFrame);
    list.setGeometry(place.x, place.y, place.width, place.height);
    list.SetTextStyle(kMacroListFont, kMacroListFontHeight, kMacroListTextColour,
                      kMacroListSelectedColour, true, kMacroListShadowColour,
                      kMacroListShadowOffset);
    list.SetEditMode(editMode);
    list.setContextMenuPolicy(Qt::NoContextMenu);
}

} // namespace

// The hook reports every press and release to this window while the manager wants it.
class CMacroRecordDlg::Hook final : public MacroHookControl {
public:
    Hook(KeyHook& hook, QObject* window) : hook_(hook), window_(window) {}
    bool Install() override { return hook_.installhook(window_, kHookPressesAndReleases); }
    void Remove() override { hook_.removehook(); }

private:
    KeyHook& hook_;
    QObject* window_;
};

CMacroRecordDlg::CMacroRecordDlg(AppState& state, UiServices& ui, KeyHook& hook, const Clock& clock,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), state_(state), ui_(ui),
      hook_(std::make_unique<Hook>(hook, this)),
      manager_(std::make_unique<MacroManager>(ui, *hook_, clock)),
      skinFolder_(state.folders.resources / "png" / "english" / "MacroManagement") {
    setWindowTitle(QString::fromUtf8(kTitleText.data(), static_cast<int>(kTitleText.size())));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    const QImage background = skins_.Load(skinFolder_, kMacroBackground);
    if (!background.isNull())
        setFixedSize(background.size());

    macroList_ = new CTransparentListBox(this);
    PlaceList(*macroList_, kMacroNameListPlace, kEditPlainText);
    eventList_ = new CTransparentListBox(this);
    PlaceList(*eventList_, kMacroEventListPlace, kEditDelays);
    eventList_->viewport()->installEventFilter(this);

    repeatEdit_ = new QLineEdit(this);
    repeatEdit_->setGeometry(kMacroRepeatEditPlace.x, kMacroRepeatEditPlace.y,
                             kMacroRepeatEditPlace.width, kMacroRepeatEditPlace.height);
    repeatEdit_->setMaxLength(kMacroRepeatEditMaxChars);
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    repeatEdit_->setValidator(new QRegularExpressionValidator(digits, repeatEdit_));
    repeatEdit_->setEnabled(false);

    connect(macroList_, &QListWidget::itemSelectionChanged, this, [this] {
        // A line taken out while an edit finishes leaves no selection for a moment; the user
        // cannot clear the selection of this list, so that is no change.
        const int row = SelectedRow(*macroList_);
        if (row < 0 || row == manager_->SelectedMacro())
            return;
        manager_->SelectMacro(row);
        Sync();
        RepaintRegions({kMacroRegionDelayBox, kMacroRegionRepeatBox});
    });
    connect(eventList_, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = SelectedRow(*eventList_);
        if (row >= 0)
            manager_->SelectEventLine(row);
    });
    connect(repeatEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        manager_->SetRepeatText(FromQString(text));
        Sync();
    });
}

CMacroRecordDlg::~CMacroRecordDlg() {
    manager_->Close();
}

void CMacroRecordDlg::Open() {
    macroList_->EndItemEdit(false);
    eventList_->EndItemEdit(false);
    manager_->Open(state_.macroLibrary);
    Sync();
    FullPaint();
}

void CMacroRecordDlg::done(int result) {
    manager_->Close();
    QDialog::done(result);
}

void CMacroRecordDlg::Sync() {
    ShowLines(*macroList_, manager_->MacroLines(), manager_->SelectedMacro());
    ShowLines(*eventList_, manager_->EventLines(), manager_->SelectedEventLine());
    const QString repeat = ToQString(manager_->RepeatText());
    if (repeatEdit_->text() != repeat) {
        const QSignalBlocker quiet(repeatEdit_);
        repeatEdit_->setText(repeat);
    }
    repeatEdit_->setEnabled(manager_->RepeatEnabled());
}

MacroPaintFlags CMacroRecordDlg::Flags() const {
    return {manager_->RecordingOn(), manager_->DelayMode(), manager_->RepeatEnabled()};
}

void CMacroRecordDlg::FullPaint() {
    if (screen_.size() != size())
        screen_ = QImage(size(), QImage::Format_RGB32);
    if (screen_.isNull())
        return;
    screen_.fill(Qt::black);
    {
        QtCanvas canvas(screen_, skins_, fonts_, skinFolder_);
        PaintMacroManager(canvas, pointer_, Flags());
    }
    update();
}

void CMacroRecordDlg::RepaintRegions(const std::vector<int>& regions) {
    if (screen_.isNull() || regions.empty())
        return;
    {
        QtCanvas canvas(screen_, skins_, fonts_, skinFolder_);
        for (int region : regions)
            PaintMacroRegion(canvas, region, pointer_, Flags());
    }
    update();
}

void CMacroRecordDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Open();
}

void CMacroRecordDlg::paintEvent(QPaintEvent*) {
    if (screen_.size() != size())
        FullPaint();
    QPainter painter(this);
    if (!screen_.isNull())
        painter.drawImage(0, 0, screen_);
}

void CMacroRecordDlg::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const MacroMouseMove move = MacroPointerMoved(pointer_, p.x(), p.y());
    RepaintRegions(move.repaint);
    if (move.dragWindow && (e->buttons() & Qt::LeftButton)) {
        if (QWindow* w = windowHandle())
            w->startSystemMove();
    }
}

void CMacroRecordDlg::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    const int region = MacroRegionAt(p.x(), p.y());
    pointer_.lastRegion = region;
    // A click beside an open in-place editor keeps what was typed, as leaving it does.
    macroList_->EndItemEdit(true);
    eventList_->EndItemEdit(true);
    Click(region);
}

void CMacroRecordDlg::Click(int region) {
    switch (region) {
    case kMacroRegionRecord:
        manager_->RecordButton();
        RepaintRegions({kMacroRegionRecord});
        break;
    case kMacroRegionDelayBox:
        manager_->ToggleDelayMode();
        RepaintRegions({kMacroRegionDelayBox});
        break;
    case kMacroRegionRepeatBox:
        manager_->ToggleRepeat();
        RepaintRegions({kMacroRegionRepeatBox});
        break;
    case kMacroRegionNew:
        manager_->NewMacro();
        RepaintRegions({kMacroRegionRecord, kMacroRegionDelayBox, kMacroRegionRepeatBox});
        break;
    case kMacroRegionDelete:
        manager_->DeleteMacro();
        RepaintRegions({kMacroRegionRecord, kMacroRegionDelayBox, kMacroRegionRepeatBox});
        break;
    case kMacroRegionOk:
        manager_->Ok(state_.macroLibrary);
        accept();
        return;
    case kMacroRegionCancel:
        reject();
        return;
    default:
        return;
    }
    Sync();
}

bool CMacroRecordDlg::eventFilter(QObject* watched, QEvent* e) {
    if (watched == eventList_->viewport() && e->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(e);
        if (mouse->button() == Qt::RightButton) {
            ShowEventMenu(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void CMacroRecordDlg::ShowEventMenu(const QPoint& globalPos) {
    const auto chosen = ui_.ShowCommandMenu(MacroEventMenu(), globalPos.x(), globalPos.y());
    if (!chosen)
        return;
    manager_->RunMenuCommand(*chosen);
    Sync();
}

void CMacroRecordDlg::MacroListEdited() {
    const auto& lines = manager_->MacroLines();
    const int n = std::min(macroList_->count(), static_cast<int>(lines.size()));
    for (int i = 0; i < n; ++i) {
        const std::u16string text = FromQString(macroList_->item(i)->text());
        if (text != lines[static_cast<std::size_t>(i)])
            manager_->RenameMacro(i, text);
    }
}

bool CMacroRecordDlg::event(QEvent* e) {
    switch (static_cast<int>(e->type())) {
    case WM_HOOK_KEY: {
        const auto* m = static_cast<WindowMessageEvent*>(e);
        if (m->wParam() >= 0 && m->wParam() <= 0xFF) {
            manager_->HookKey(static_cast<std::uint8_t>(m->wParam()),
                              (m->lParam() & kHookReleaseBit) != 0);
            Sync();
        }
        return true;
    }
    case WM_LISTBOX_EDIT_START:
        manager_->EditStart();
        Sync();
        return true;
    case WM_LISTBOX_ITEM_EDITED: {
        // Only the event list sends it: a delay line was committed.
        const auto* m = static_cast<WindowMessageEvent*>(e);
        manager_->EditDelay(static_cast<int>(m->wParam()), static_cast<int>(m->lParam()));
        Sync();
        return true;
    }
    case WM_LISTBOX_ITEM_CHANGED:
        // Sent by either list once it has replaced an edited line: a changed macro-list line is
        // a rename; the event list already told its delay.
        MacroListEdited();
        Sync();
        return true;
    default:
        return QDialog::event(e);
    }
}

void CMacroRecordDlg::keyPressEvent(QKeyEvent* e) {
    // Enter and Escape belong to the lists' in-place editor, never to the dialog.
    if (IsDialogClosingKey(e)) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool RunMacroManager(AppState& state, UiServices& ui, KeyHook& hook, QWidget* parent) {
    const SteadyClock clock;
    CMacroRecordDlg dialog(state, ui, hook, clock, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace hx
