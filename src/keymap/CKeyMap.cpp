#include "keymap/CKeyMap.h"

#include "ui/controls/DialogKeys.h"
#include "keymap/FunctionCatalogue.h"
#include "keymap/KeyLayout.h"
#include "keymap/KeyMapLayout.h"
#include "keymap/KeyMapPaint.h"
#include "ui/controls/QtCanvas.h"
#include "ui/controls/VividTree.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace hx {
namespace {

QColor ToQColor(Colour c) {
    return QColor::fromRgb(static_cast<QRgb>(c & 0xFFFFFF));
}

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

void Place(QWidget* widget, const ControlPlace& p) {
    widget->setGeometry(p.x, p.y, p.width, p.height);
}

// White text over the grey brush, as the edits and the macro list show it.
void GiveControlColours(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ToQColor(kControlBrush));
    palette.setColor(QPalette::Window, ToQColor(kControlBrush));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit* MakeEdit(QWidget* parent, const ControlPlace& place) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignCenter);
    // The edits show captured keys; typing into them would show keys that were not captured.
    edit->setReadOnly(true);
    // Only a click chooses between single key and combination, never focus passed along.
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    GiveControlColours(edit);
    Place(edit, place);
    return edit;
}

} // namespace

CKeyMap::CKeyMap(AppState& state, UiServices& ui, KeyHook& hook, AssignmentResult& result,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      skinFolder_(state.folders.resources / "png" / "english" / "Custom"), hook_(hook),
      controller_(state, ui, result) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    const QImage background = skins_.Load(skinFolder_, kKeyMapBackground);
    if (!background.isNull())
        setFixedSize(background.size());
    BuildControls();
}

CKeyMap::~CKeyMap() {
    RemoveHook();
}

void CKeyMap::BuildControls() {
    singleKeyEdit_ = MakeEdit(this, kSingleKeyEditPlace);
    comboEdit_ = MakeEdit(this, kComboEditPlace);

    macroList_ = new QListWidget(this);
    macroList_->setFrameShape(QFrame::NoFrame);
    macroList_->setSelectionMode(QAbstractItemView::SingleSelection);
    GiveControlColours(macroList_);
    GiveControlColours(macroList_->viewport());
    Place(macroList_, kMacroListPlace);
    macroList_->hide();

    tree_ = new VividTree(this);
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    Place(tree_, kFunctionTreePlace);
    tree_->SetBackgroundStyle(kTreeSolid);
    QTreeWidgetItem* category = nullptr;
    for (const FunctionTreeItem& entry : kFunctionTree) {
        const QStringList text{QString::fromStdU16String(std::u16string(entry.text))};
        QTreeWidgetItem* item = entry.child && category ? new QTreeWidgetItem(category, text)
                                                        : new QTreeWidgetItem(tree_, text);
        if (!entry.child)
            category = entry.category ? item : nullptr;
        treeItems_.push_back(item);
    }
    tree_->hide();

    for (QWidget* control :
         {static_cast<QWidget*>(singleKeyEdit_), static_cast<QWidget*>(comboEdit_),
          static_cast<QWidget*>(macroList_), static_cast<QWidget*>(tree_)})
        control->installEventFilter(this);

    connect(macroList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (syncing_)
            return;
        const QList<QListWidgetItem*> selected = macroList_->selectedItems();
        controller_.SetMacroSelection(selected.isEmpty() ? -1 : macroList_->row(selected.front()));
    });
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (syncing_)
            return;
        const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
        std::optional<std::size_t> index;
        if (!selected.isEmpty()) {
            for (std::size_t i = 0; i < treeItems_.size(); ++i) {
                if (treeItems_[i] == selected.front())
                    index = i;
            }
        }
        controller_.SetTreeSelection(index);
    });
}

void CKeyMap::Open(std::size_t key) {
    const KeyMapEffects effects = controller_.Open(key);
    syncing_ = true;
    singleKeyEdit_->clear();
    comboEdit_->clear();
    macroList_->clear();
    for (const std::u16string& name : controller_.macroNames())
        macroList_->addItem(ToQString(name));
    tree_->collapseAll();
    if (const auto category = controller_.expandedCategory())
        treeItems_[*category]->setExpanded(true);
    syncing_ = false;
    controller_.SetHookInstalled(hook_.installhook(this, kHookStrokes));
    Apply(effects);
}

void CKeyMap::Sync() {
    syncing_ = true;
    const auto showText = [](QLineEdit* edit, const std::u16string& text) {
        const QString shown = ToQString(text);
        if (edit->text() != shown) {
            edit->setText(shown);
            edit->end(false);
        }
    };
    showText(singleKeyEdit_, controller_.singleKeyText());
    showText(comboEdit_, controller_.comboText());

    const KeyMapPage page = controller_.page();
    singleKeyEdit_->setVisible(page == KeyMapPage::kKeys);
    comboEdit_->setVisible(page == KeyMapPage::kKeys);
    macroList_->setVisible(page == KeyMapPage::kMacro);
    tree_->setVisible(page == KeyMapPage::kFunction);

    const int line = controller_.macroSelection();
    if (line < 0)
        macroList_->clearSelection();
    else if (!macroList_->item(line)->isSelected())
        macroList_->setCurrentRow(line);

    if (const auto item = controller_.treeSelection()) {
        if (!treeItems_[*item]->isSelected())
            tree_->setCurrentItem(treeItems_[*item]);
    } else {
        tree_->clearSelection();
    }
    syncing_ = false;
}

void CKeyMap::Apply(const KeyMapEffects& effects, bool leftButtonHeld) {
    Sync();
    switch (effects.focus) {
    case KeyMapFocus::kSingleKeyEdit:
        singleKeyEdit_->setFocus(Qt::OtherFocusReason);
        break;
    case KeyMapFocus::kComboEdit:
        comboEdit_->setFocus(Qt::OtherFocusReason);
        break;
    case KeyMapFocus::kMacroList:
        macroList_->setFocus(Qt::OtherFocusReason);
        break;
    case KeyMapFocus::kNone:
        break;
    }
    switch (effects.repaint) {
    case KeyMapRepaint::kWhole:
        screen_ = Compose();
        update();
        break;
    case KeyMapRepaint::kPageContent:
        Draw(PaintKeyMapPage);
        break;
    case KeyMapRepaint::kTickBox:
        Draw(PaintTickBox);
        break;
    case KeyMapRepaint::kBrowseButtons:
        Draw(PaintBrowseButtons);
        break;
    case KeyMapRepaint::kNone:
        break;
    }
    if (effects.startMove && leftButtonHeld && windowHandle())
        windowHandle()->startSystemMove();
    if (effects.end == KeyMapEnd::kOk)
        accept();
    else if (effects.end == KeyMapEnd::kCancel)
        reject();
}

QImage CKeyMap::Compose() {
    QImage buffer = LoadBackBuffer(skins_, skinFolder_, kKeyMapBackground);
    if (buffer.isNull())
        return buffer;
    {
        QtCanvas canvas(buffer, skins_, fonts_, skinFolder_);
        PaintKeyMap(canvas, controller_);
    }
    return buffer;
}

void CKeyMap::Draw(void (*paint)(Canvas&, const KeyMapController&)) {
    // Drawn over what is shown, as the old dialog drew straight onto its window.
    if (screen_.isNull())
        screen_ = Compose();
    if (!screen_.isNull()) {
        QtCanvas canvas(screen_, skins_, fonts_, skinFolder_);
        paint(canvas, controller_);
    }
    update();
}

void CKeyMap::paintEvent(QPaintEvent*) {
    if (screen_.isNull())
        screen_ = Compose();
    QPainter painter(this);
    if (screen_.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, screen_);
}

void CKeyMap::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    Apply(controller_.MouseMove(p.x(), p.y()), e->buttons().testFlag(Qt::LeftButton));
}

void CKeyMap::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint p = e->position().toPoint();
    Apply(controller_.LeftButtonUp(p.x(), p.y()));
}

bool CKeyMap::event(QEvent* e) {
    if (static_cast<int>(e->type()) == WM_HOOK_KEY) {
        // Every report is one key stroke; only the virtual-key code is read.
        const auto* m = static_cast<WindowMessageEvent*>(e);
        controller_.CaptureKey(static_cast<std::uint8_t>(m->wParam() & 0xFF));
        Sync();
        return true;
    }
    return QDialog::event(e);
}

bool CKeyMap::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
        // With the hook installed keys are captured, never typed; without it Enter and Escape
        // still must not reach the dialog's default buttons.
        if (controller_.hookInstalled())
            return true;
        break;
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        // Coming back to the window, or from a popup, is no choice between the two edits.
        if (syncing_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (watched == singleKeyEdit_ || watched == comboEdit_) {
            controller_.EditFocused(watched == singleKeyEdit_ ? KeyMapEdit::kSingleKey
                                                              : KeyMapEdit::kCombo);
            Sync();
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, e);
}

void CKeyMap::keyPressEvent(QKeyEvent* e) {
    if (controller_.hookInstalled()) {
        e->accept();
        return;
    }
    if (IsDialogClosingKey(e)) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void CKeyMap::RemoveHook() {
    if (controller_.hookInstalled()) {
        hook_.removehook();
        controller_.SetHookInstalled(false);
    }
}

void CKeyMap::done(int r) {
    RemoveHook();
    QDialog::done(r);
}

bool RunKeyAssignment(AppState& state, std::size_t key, AssignmentResult& result, UiServices& ui,
                      KeyHook& hook, QWidget* parent) {
    if (key >= kKeyCount)
        return false;
    CKeyMap dialog(state, ui, hook, result, parent);
    dialog.Open(key);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace hx
