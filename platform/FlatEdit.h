#pragma once
// A flat single-line edit: no 3D frame, a one-pixel border, and a background of ColorFlat
// while it is idle and Color while it has the focus.

#include "calendar/Color.h"

#include <QLineEdit>

class TFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TColor ColorFlat() const { return colorFlat_; }
    void SetColorFlat(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);

    QString Text() const { return text(); }
    void SetText(const QString& t) { setText(t); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ApplyBackground();

    TColor color_ = clWindow;
    TColor colorFlat_ = clBtnFace;
    TColor colorBorder_ = RGBColor(160, 150, 131);
};
