#include "ui/controls/CTransparentListBox.h"

#include "ui/controls/CEditHelper.h"
#include "ui/controls/QtControlCanvas.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <string>
#include <vector>

namespace hx {
namespace {

constexpr int kListBackgroundBitmap = static_cast<int>(BitmapId::ListBackground);
static_assert(kListBackgroundBitmap == 145);

Colour FromQColor(const QColor& c) {
    return (static_cast<Colour>(c.red()) << 16) | (static_cast<Colour>(c.green()) << 8) |
           static_cast<Colour>(c.blue());
}

// Every line is as high as the list font's text; nothing is drawn by the delegate.
class LineHeightDelegate final : public QStyledItemDelegate {
public:
    LineHeightDelegate(CTransparentListBox* list, int (*height)(const CTransparentListBox*))
        : QStyledItemDelegate(list), list_(list), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {1, height_(list_)};
    }

private:
    CTransparentListBox* list_;
    int (*height_)(const CTransparentListBox*);
};

} // namespace

CTransparentListBox::CTransparentListBox(QWidget* parent) : QListWidget(parent) {
    style.textColour = FromQColor(palette().color(QPalette::Text));
    style.selectedTextColour = FromQColor(palette().color(QPalette::HighlightedText));
    setItemDelegate(new LineHeightDelegate(
        this, [](const CTransparentListBox* list) { return list->ItemHeight(); }));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    // A selection change repaints every line at once, not only the two lines involved.
    connect(this, &QListWidget::itemSelectionChanged, viewport(), qOverload<>(&QWidget::update));
    // Scrolling by the bar keeps what is being typed, as every way of leaving the editor does.
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
        setFocus();
        EndItemEdit(true);
    });
}

CTransparentListBox::~CTransparentListBox() = default;

void CTransparentListBox::SetTextStyle(const QString& face, int height, Colour textColour,
                                       Colour selectedTextColour, bool shadowOn,
                                       Colour shadowColour, int shadowOffset) {
    style.textColour = textColour;
    style.selectedTextColour = selectedTextColour;
    style.shadowOn = shadowOn;
    style.shadowColour = shadowColour;
    style.shadowOffset = shadowOffset;
    QFont font(face);
    font.setPixelSize(height > 0 ? height : 1);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    listFont = font;
    doItemsLayout();
    viewport()->update();
}

int CTransparentListBox::AddItem(const QString& text, std::intptr_t itemData) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, QVariant::fromValue<qint64>(itemData));
    addItem(item);
    return row(item);
}

int CTransparentListBox::InsertItem(int index, const QString& text, std::intptr_t itemData) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, QVariant::fromValue<qint64>(itemData));
    insertItem(index, item);
    return row(item);
}

void CTransparentListBox::SetEditMode(int mode) {
    editMode = mode;
    backgroundReady = false;
    viewport()->update();
}

QFont CTransparentListBox::GetListFont() const {
    return listFont ? *listFont : font();
}

int CTransparentListBox::ItemHeight() const {
    return QFontMetrics(GetListFont()).boundingRect(QStringLiteral("XYZ")).height();
}

int CTransparentListBox::SelectedLine() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void CTransparentListBox::SendToParent(int message, std::intptr_t wParam, std::intptr_t lParam) {
    if (QWidget* parent = parentWidget()) {
        WindowMessageEvent sent(message, wParam, lParam);
        QCoreApplication::sendEvent(parent, &sent);
    }
}

void CTransparentListBox::BeginItemEdit() {
    SendToParent(WM_LISTBOX_EDIT_START, 0, 0);
    const int s = SelectedLine();
    if (s < 0) {
        return;
    }
    // One editor at a time: an open one keeps its text before the next opens.
    EndItemEdit(true);
    const QRect line = visualItemRect(item(s));
    auto* edit = new CEditHelper(this);
    edit->setFrame(true);
    edit->setFont(GetListFont());
    edit->setGeometry(line.adjusted(0, -2, 0, 2).translated(viewport()->pos()));
    if (editMode == kEditDelays) {
        static const QRegularExpression digits(QStringLiteral("[0-9]*"));
        edit->setValidator(new QRegularExpressionValidator(digits, edit));
    }
    edit->setText(QString::fromStdString(EditorStartText(editMode, item(s)->text().toStdString())));
    edit->selectAll();
    m_iItemBeingEdited = editStartIndex = s;
    editor = edit;
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
}

void CTransparentListBox::EndItemEdit(bool commit) {
    if (!editor) {
        return;
    }
    // Close the editor and forget the line before anything is sent: a parent that opens a message
    // box takes the focus, and the editor's report of that must not commit a second time.
    CEditHelper* edit = editor;
    editor = nullptr;
    const int line = m_iItemBeingEdited;
    m_iItemBeingEdited = -1;
    const QString typed = edit->text();
    const bool hadFocus = edit->hasFocus();
    edit->hide();
    edit->deleteLater(); // it may be the sender of the request being handled
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }

    // A line that went away while it was being edited has nothing left to take the text.
    if (!commit || line < 0 || line >= count()) {
        return;
    }
    const QString old = item(line)->text();
    const EditCommit plan = PlanEditCommit(editMode, old.toStdString(), typed.toStdString());
    if (plan.delayValue) {
        SendToParent(WM_LISTBOX_ITEM_EDITED, line, *plan.delayValue);
    }
    if (!plan.replaceLine || line >= count()) {
        return;
    }
    delete takeItem(line);
    const QString text = QString::fromStdString(plan.newText);
    const int now = isSortingEnabled() ? AddItem(text) : InsertItem(line, text);
    setCurrentRow(now);
    if (notifyStyle) {
        SendToParent(WM_LISTBOX_ITEM_CHANGED, now, reinterpret_cast<std::intptr_t>(&old));
    }
    if (editMode == kEditParentBacked) {
        SendToParent(WM_LISTBOX_ITEM_EDITED, editStartIndex, now);
    }
}

bool CTransparentListBox::event(QEvent* e) {
    if (e->type() == static_cast<QEvent::Type>(WM_EDIT_HELPER_DONE)) {
        EndItemEdit(static_cast<WindowMessageEvent*>(e)->wParam() != 0);
        return true;
    }
    return QListWidget::event(e);
}

void CTransparentListBox::CaptureBackground() {
    const QSize client = viewport()->size();
    if (backgroundBitmap.size() != client) {
        backgroundBitmap = QImage(client, QImage::Format_RGB32);
    }
    if (backgroundBitmap.isNull()) {
        return;
    }
    backgroundBitmap.fill(Qt::black);
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    if (editMode == kEditParentBacked) {
        // The parent's own picture under the list, without any of its child widgets.
        const QRect under(viewport()->mapTo(parent, QPoint(0, 0)), client);
        parent->render(&backgroundBitmap, QPoint(0, 0), QRegion(under),
                       QWidget::DrawWindowBackground);
    } else {
        QtCanvas canvas(backgroundBitmap, skins, fonts, {});
        canvas.DrawBitmapPart(BitmapId::ListBackground,
                              {kListBackgroundX, kListBackgroundY, client.width(), client.height()},
                              0, 0);
    }
    backgroundReady = true;
}

void CTransparentListBox::DrawListItem(ControlCanvas& dc, int index, PixelRect rect,
                                       bool selected) {
    if (index < 0 || index >= count()) {
        return;
    }
    DrawListLine(dc, style, editMode, isEnabled(), item(index)->text().toStdString(), rect,
                 selected);
}

void CTransparentListBox::PaintTo(ControlCanvas& canvas) {
    ListFrame frame;
    frame.clientWidth = viewport()->width();
    frame.clientHeight = viewport()->height();
    frame.itemHeight = ItemHeight();
    const QModelIndex top = indexAt(QPoint(1, 1));
    frame.topIndex = top.isValid() ? top.row() : verticalScrollBar()->value();
    frame.selectedIndex = SelectedLine();
    canvas.DrawBackdropPart({0, 0, frame.clientWidth, frame.clientHeight}, 0, 0);
    for (const ListRow& row : VisibleListRows(frame, count())) {
        DrawListItem(canvas, row.index, row.rect, row.selected);
    }
}

void CTransparentListBox::paintEvent(QPaintEvent*) {
    if (!backgroundReady || backgroundBitmap.size() != viewport()->size()) {
        CaptureBackground();
    }
    QImage buffer(viewport()->size(), QImage::Format_RGB32);
    if (buffer.isNull()) {
        return;
    }
    {
        QtControlCanvas canvas(buffer, skins, fonts, GetListFont(), backgroundBitmap);
        PaintTo(canvas);
    }
    QPainter painter(viewport());
    painter.drawImage(0, 0, buffer);
}

void CTransparentListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    const int s = SelectedLine();
    if (s < 0 || !CanEditLine(editMode, item(s)->text().toStdString())) {
        return;
    }
    if (visualItemRect(item(s)).contains(event->position().toPoint())) {
        BeginItemEdit();
    }
}

void CTransparentListBox::wheelEvent(QWheelEvent* event) {
    EndItemEdit(true);
    QListWidget::wheelEvent(event);
    event->accept();
}

void CTransparentListBox::moveEvent(QMoveEvent* event) {
    QListWidget::moveEvent(event);
    backgroundReady = false;
    viewport()->update();
}

void CTransparentListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    EndItemEdit(true);
    backgroundReady = false;
    viewport()->update();
}

} // namespace hx
