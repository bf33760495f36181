#pragma once
// A flat group box: a filled panel with a one-pixel border and an optional caption set into
// the top edge.

#include "calendar/Color.h"

#include <QWidget>

class TFlatGroupBox : public QWidget {
    Q_OBJECT
public:
    explicit TFlatGroupBox(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor color_ = clBtnFace;
    TColor colorBorder_ = RGBColor(160, 150, 131);
    QString caption_;
};
