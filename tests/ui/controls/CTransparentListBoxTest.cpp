#include "ui/controls/CTransparentListBox.h"

#include "ui/controls/CEditHelper.h"
#include "ui/controls/WindowMessageEvent.h"
#include "ui/controls/WindowMessages.h"

#include "support/RecordingControlCanvas.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace hx {
namespace {

// Stands in for the dialog hosting the list: keeps every message it is sent, old texts of
// changed lines decoded while they are still valid.
class Host final : public QWidget {
public:
    struct Message {
        int message;
        std::intptr_t wParam;
        std::string lParam; // the number, or the old text of a changed line
        friend bool operator==(const Message&, const Message&) = default;
        friend void PrintTo(const Message& m, std::ostream* os) {
            *os << std::hex << "0x" << m.message << std::dec << "(" << m.wParam << ", " << m.lParam
                << ")";
        }
    };
    std::vector<Message> messages;
    QColor fill{0x33, 0x66, 0x99};
    // Set: the host answers a change the way a message box would, by taking the focus.
    QWidget* focusOnChange = nullptr;

protected:
    bool event(QEvent* e) override {
        const int type = static_cast<int>(e->type());
        if (type == WM_LISTBOX_EDIT_START || type == WM_LISTBOX_ITEM_EDITED ||
            type == WM_LISTBOX_ITEM_CHANGED) {
            const auto* m = static_cast<WindowMessageEvent*>(e);
            messages.push_back({type, m->wParam(),
                                type == WM_LISTBOX_ITEM_CHANGED
                                    ? reinterpret_cast<const QString*>(m->lParam())->toStdString()
                                    : std::to_string(m->lParam())});
            if (type == WM_LISTBOX_ITEM_CHANGED && focusOnChange != nullptr) {
                focusOnChange->setFocus();
            }
            return true;
        }
        return QWidget::event(e);
    }
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), fill); }
};

using M = Host::Message;
const M kEditStart{WM_LISTBOX_EDIT_START, 0, "0"};

class CTransparentListBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(400, 420);
        list = new CTransparentListBox(&host);
        list->setGeometry(20, 80, 113, 275);
        list->SetTextStyle("Arial", 16, 0xFFFFFF, 0xFFFF00, true, 0, 2);
        elsewhere = new QLineEdit(&host);
        elsewhere->setGeometry(200, 10, 100, 20);
        host.show();
        QApplication::setActiveWindow(&host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    void Fill(int mode, const QStringList& lines) {
        list->SetEditMode(mode);
        for (const QString& line : lines) {
            list->AddItem(line);
        }
    }

    // The user's double-click: the first click selects the line.
    void DoubleClick(int row) {
        const QPoint p = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
    }

    void Type(const QString& text) {
        ASSERT_NE(list->Editor(), nullptr);
        QTest::keyClicks(list->Editor(), text);
    }
    void Key(Qt::Key key) {
        ASSERT_NE(list->Editor(), nullptr);
        QTest::keyClick(list->Editor(), key);
        // The closed editor is deleted later; deliver that too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString Line(int row) { return list->item(row)->text(); }

    Host host;
    CTransparentListBox* list = nullptr;
    QLineEdit* elsewhere = nullptr;
};

TEST_F(CTransparentListBoxTest, DelayModeEditsOnlyDelayLinesAndClampsTheCommit) {
    Fill(kEditDelays, {"A dn", "120 ms", "A up"});
    DoubleClick(0);
    DoubleClick(2);
    EXPECT_EQ(list->Editor(), nullptr);
    EXPECT_TRUE(host.messages.empty());

    struct Case {
        QString typed;
        QString line;
        int value;
    };
    for (const Case& c :
         {Case{"0", "2 ms", 2}, Case{"70000", "60000 ms", 60000}, Case{"120", "120 ms", 120}}) {
        host.messages.clear();
        DoubleClick(1);
        ASSERT_NE(list->Editor(), nullptr);
        const QString before = Line(1);
        EXPECT_EQ(list->Editor()->text(), QString(before).remove(" ms"));
        Type("x" + c.typed); // only digits get in
        Key(Qt::Key_Return);
        EXPECT_EQ(Line(1), c.line);
        std::vector<M> expected = {kEditStart,
                                   {WM_LISTBOX_ITEM_EDITED, 1, std::to_string(c.value)}};
        if (c.line != before) {
            expected.push_back({WM_LISTBOX_ITEM_CHANGED, 1, before.toStdString()});
        }
        EXPECT_EQ(host.messages, expected) << c.typed.toStdString();
        EXPECT_EQ(list->Editor(), nullptr);
        EXPECT_EQ(list->ItemBeingEdited(), -1);
        EXPECT_EQ(list->currentRow(), 1);
    }
}

TEST_F(CTransparentListBoxTest, EscapeDropsTheEditAndTheFocusLossAfterItCommitsNothing) {
    Fill(kEditPlainText, {"Macro_001", "Macro_002"});
    DoubleClick(1);
    Type("Jump");
    Key(Qt::Key_Escape);
    elsewhere->setFocus();
    EXPECT_EQ(host.messages, std::vector<M>{kEditStart});
    EXPECT_EQ(Line(1), "Macro_002");
    EXPECT_EQ(list->Editor(), nullptr);
    EXPECT_TRUE(list->hasFocus() || elsewhere->hasFocus());
}

TEST_F(CTransparentListBoxTest, LeavingTheEditorKeepsTheText) {
    Fill(kEditPlainText, {"Macro_001", "Macro_002"});
    DoubleClick(0);
    Type("Jump");
    elsewhere->setFocus();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Line(0), "Jump");
    EXPECT_EQ(host.messages,
              (std::vector<M>{kEditStart, {WM_LISTBOX_ITEM_CHANGED, 0, "Macro_001"}}));
    EXPECT_TRUE(elsewhere->hasFocus());

    // The wheel commits too, before it scrolls.
    host.messages.clear();
    DoubleClick(1);
    Type("Run");
    QWheelEvent wheel(QPointF(5, 5), list->viewport()->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &wheel);
    EXPECT_EQ(Line(1), "Run");
    EXPECT_EQ(list->Editor(), nullptr);
}

TEST_F(CTransparentListBoxTest, ParentBackedNamesReportTheirStartAndNewIndex) {
    list->setSortingEnabled(true);
    Fill(kEditParentBacked, {"Beta", "Alpha", "Gamma"});
    ASSERT_EQ(Line(0), "Alpha");
    DoubleClick(0);
    Key(Qt::Key_Return); // unchanged: nothing beyond the start
    EXPECT_EQ(host.messages, std::vector<M>{kEditStart});

    host.messages.clear();
    DoubleClick(0);
    Type("Zeta");
    Key(Qt::Key_Enter);
    EXPECT_EQ(Line(2), "Zeta");
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(host.messages, (std::vector<M>{kEditStart,
                                             {WM_LISTBOX_ITEM_CHANGED, 2, "Alpha"},
                                             {WM_LISTBOX_ITEM_EDITED, 0, "2"}}));
}

TEST_F(CTransparentListBoxTest, HostTakingTheFocusDuringACommitGetsOneReport) {
    Fill(kEditDelays, {"A dn", "120 ms"});
    host.focusOnChange = elsewhere;
    DoubleClick(1);
    Type("300");
    Key(Qt::Key_Return);
    EXPECT_EQ(host.messages, (std::vector<M>{kEditStart,
                                             {WM_LISTBOX_ITEM_EDITED, 1, "300"},
                                             {WM_LISTBOX_ITEM_CHANGED, 1, "120 ms"}}));
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(Line(1), "300 ms");
}

TEST_F(CTransparentListBoxTest, LineGoneWhileEditingTakesNothing) {
    Fill(kEditPlainText, {"Macro_001", "Macro_002", "Macro_003"});
    DoubleClick(2);
    Type("Jump");
    delete list->takeItem(2);
    Key(Qt::Key_Return);
    EXPECT_EQ(host.messages, std::vector<M>{kEditStart});
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->Editor(), nullptr);
}

TEST_F(CTransparentListBoxTest, PaintsLinesOverItsBackground) {
    Fill(kEditDelays, {"A dn", "120 ms"});
    list->setCurrentRow(1);
    test::RecordingControlCanvas canvas;
    list->PaintTo(canvas);
    const QSize client = list->viewport()->size();
    const int h = QFontMetrics(list->GetListFont()).boundingRect("XYZ").height();
    const std::string w = std::to_string(client.width());
    ASSERT_GE(canvas.calls.size(), 8u);
    EXPECT_EQ(canvas.calls[0],
              "backdrop 0 0 " + w + " " + std::to_string(client.height()) + " -> 0 0");
    EXPECT_EQ(canvas.calls[2], "text \"A \" 2 2 " + std::to_string(client.width() + 2) + " " +
                                   std::to_string(h + 2) + " #000000");
    EXPECT_EQ(canvas.calls[7], "text \"120 ms\" 0 " + std::to_string(h) + " " + w + " " +
                                   std::to_string(2 * h) + " #FFFF00");

    // Below the lines the list background bitmap shows, from (7, 22) on.
    const QImage background = SkinCache().Bitmap(BitmapId::ListBackground);
    ASSERT_FALSE(background.isNull());
    const QImage shown = list->viewport()->grab().toImage();
    const QPoint p(30, client.height() - 20);
    EXPECT_EQ(shown.pixel(p) & 0xFFFFFF, background.pixel(p + QPoint(7, 22)) & 0xFFFFFF);
}

TEST_F(CTransparentListBoxTest, ParentBackedListShowsTheParentsPixels) {
    Fill(kEditParentBacked, {"Гра"});
    list->viewport()->repaint();
    QImage shown = list->viewport()->grab().toImage();
    const QPoint below(30, list->viewport()->height() - 20);
    EXPECT_EQ(shown.pixel(below) & 0xFFFFFF, 0x336699u);

    // Moved over another colour, it takes the background again.
    host.fill = QColor(0x12, 0x34, 0x56);
    host.update();
    list->move(25, 80);
    shown = list->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(below) & 0xFFFFFF, 0x123456u);
}

} // namespace
} // namespace hx
