#pragma once

#include "ui/controls/BitSliderModel.h"

#include <QPointer>
#include <QSlider>

namespace hx {

// A slider that never draws itself. After every paint and on every mouse move over it, it works
// out where its thumb image belongs and sends WM_SLIDER_CHANGED (its reporting id) to its owner,
// which draws it from the channel bitmaps and the thumb image (DrawSlider). A press on the
// channel moves the thumb straight to the pressed point; the mouse wheel does nothing.
class CBitSlider final : public QSlider {
    Q_OBJECT

public:
    explicit CBitSlider(QWidget* parent = nullptr);

    // Who gets the reports, and the id they carry.
    void SetReportTarget(QObject* owner, int reportingId);
    int reportingId() const { return reportingId_; }

    // Sizes the slider to its channel bitmap, 220 by 17, keeping its place.
    void SetUpSlider();

    // Where the owner draws the thumb image, as last computed before a report.
    ThumbOffset thumbOffset() const { return thumb_; }

    // What the owner needs to draw this slider, in the coordinates of `owner`.
    SliderPlacement Placement(const QWidget* owner) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void ComputeThumbOffset();
    ThumbOffset CurrentThumbOffset() const;
    void Report();

    QPointer<QObject> owner_;
    int reportingId_ = 0;
    ThumbOffset thumb_;
};

} // namespace hx
