#include "ui/controls/CBitSlider.h"

#include "ui/controls/BitSliderStyle.h"
#include "ui/controls/WindowMessageEvent.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace hx {

CBitSlider::CBitSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    auto* style = new BitSliderStyle;
    style->setParent(this); // the slider owns its style
    setStyle(style);
    setTickPosition(QSlider::NoTicks);
    setFocusPolicy(Qt::StrongFocus);
    // Reports follow every move over the slider, not only drags.
    setMouseTracking(true);
    // Nothing of the slider's own look is ever drawn, not even a background.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void CBitSlider::SetReportTarget(QObject* owner, int reportingId) {
    owner_ = owner;
    reportingId_ = reportingId;
}

void CBitSlider::SetUpSlider() {
    resize(kSliderWidth, kSliderHeight);
}

SliderPlacement CBitSlider::Placement(const QWidget* owner) const {
    QPoint topLeft = pos();
    if (owner != nullptr && parentWidget() != nullptr && parentWidget() != owner) {
        topLeft = parentWidget()->mapTo(owner, topLeft);
    }
    // Worked out afresh: the owner may draw after a position change the slider has not
    // painted (and so not reported) yet, or while the slider is hidden.
    return {topLeft.x(),          topLeft.y(), topLeft.x() + width(), topLeft.y() + height(),
            CurrentThumbOffset(), value()};
}

ThumbOffset CBitSlider::CurrentThumbOffset() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    return ThumbOffsetFromRect(thumb.left(), thumb.left() + thumb.width());
}

void CBitSlider::ComputeThumbOffset() {
    thumb_ = CurrentThumbOffset();
}

void CBitSlider::Report() {
    ComputeThumbOffset();
    if (owner_) {
        // Sent, not posted: the owner draws before the slider goes on.
        WindowMessageEvent report(WM_SLIDER_CHANGED, reportingId_, 0);
        QCoreApplication::sendEvent(owner_, &report);
    }
}

void CBitSlider::paintEvent(QPaintEvent*) {
    Report();
}

void CBitSlider::mouseMoveEvent(QMouseEvent* event) {
    Report();
    QSlider::mouseMoveEvent(event);
}

void CBitSlider::mousePressEvent(QMouseEvent* event) {
    QSlider::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect channel =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const auto position =
        ClickPosition(static_cast<int>(event->position().x()), channel.left(),
                      channel.left() + channel.width(), rect().left(), minimum(), maximum());
    if (!position) {
        return;
    }
    // The thumb is now where the user pressed; paging on towards it would overshoot.
    setRepeatAction(SliderNoAction);
    setValue(*position);
    update();
}

void CBitSlider::wheelEvent(QWheelEvent* event) {
    event->accept();
}

} // namespace hx
