#pragma once
// A flat push button: a one-pixel border, a face that lightens under the mouse and darkens
// while pressed, and a dotted focus frame.

#include "calendar/Color.h"

#include <QAbstractButton>

class TFlatButton : public QAbstractButton {
    Q_OBJECT
public:
    // The pack's own border colour, kept by every button whose border is not set.
    static constexpr TColor DefaultBorderColor = RGBColor(160, 150, 131);

    explicit TFlatButton(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    TColor ColorFocused() const { return colorFocused_; }
    void SetColorFocused(TColor c);
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TColor color_ = RGBColor(236, 233, 216);
    TColor colorBorder_ = DefaultBorderColor;
    TColor colorFocused_ = RGBColor(246, 244, 234);
    TColor colorDown_ = RGBColor(220, 216, 196);
    bool hot_ = false;
};
