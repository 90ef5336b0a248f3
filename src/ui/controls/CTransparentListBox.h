#pragma once

#include "ui/controls/CEditHelper.h"
#include "ui/controls/LabelFonts.h"
#include "ui/controls/ListEditRules.h"
#include "ui/controls/ListPaint.h"
#include "ui/controls/SkinCache.h"

#include <QFont>
#include <QImage>
#include <QListWidget>
#include <QPointer>

#include <cstdint>
#include <optional>

namespace hx {

class CEditHelper;

// A list that paints its lines over a background picture (the list background bitmap, or in
// kEditParentBacked mode its parent's own pixels) with coloured, optionally shadowed text and,
// in kEditDelays mode, state icons for macro event lines. A double-click edits the selected line
// in place. It tells its parent, by sent messages:
//   WM_LISTBOX_EDIT_START (0, 0)           editing is about to start
//   WM_LISTBOX_ITEM_EDITED (line, value)   kEditDelays: a delay was committed (even unchanged)
//   WM_LISTBOX_ITEM_CHANGED (new index, const QString* old text)  a changed text was committed
//   WM_LISTBOX_ITEM_EDITED (start index, new index)  kEditParentBacked: a changed text committed
class CTransparentListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CTransparentListBox(QWidget* parent = nullptr);
    ~CTransparentListBox() override;

    // Colours and shadow, and the lines' font: `face` at `height` pixels, bold.
    void SetTextStyle(const QString& face, int height, Colour textColour, Colour selectedTextColour,
                      bool shadowOn, Colour shadowColour, int shadowOffset);
    // Both return the line's index; with sorting on, a line goes to its sorted place.
    int AddItem(const QString& text, std::intptr_t itemData = 0);
    int InsertItem(int index, const QString& text, std::intptr_t itemData = 0);

    void SetEditMode(int mode);
    int EditMode() const { return editMode; }
    // The old control's notify style: changed lines are reported. On by default.
    void SetNotifyStyle(bool on) { notifyStyle = on; }

    // Opens the editor over the selected line (after telling the parent editing starts).
    void BeginItemEdit();
    // Closes the editor; with `commit` a line still under editing takes the editor's text.
    void EndItemEdit(bool commit);

    int ItemBeingEdited() const { return m_iItemBeingEdited; }
    CEditHelper* Editor() const { return editor; }

    virtual QFont GetListFont() const;
    virtual void DrawListItem(ControlCanvas& dc, int index, PixelRect rect, bool selected);

    // What a paint draws now, in client coordinates.
    void PaintTo(ControlCanvas& canvas);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CaptureBackground();
    void SendToParent(int message, std::intptr_t wParam, std::intptr_t lParam);
    int SelectedLine() const;
    int ItemHeight() const;

    QPointer<CEditHelper> editor;
    int m_iItemBeingEdited = -1;
    int editStartIndex = -1;
    int editMode = kEditPlainText;
    bool notifyStyle = true;
    ListTextStyle style;
    std::optional<QFont> listFont;
    QImage backgroundBitmap;
    bool backgroundReady = false;
    SkinCache skins;
    LabelFonts fonts;
};

} // namespace hx
