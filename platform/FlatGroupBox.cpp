#include "platform/FlatGroupBox.h"

#include "platform/Colors.h"

#include <QPainter>

TFlatGroupBox::TFlatGroupBox(QWidget* parent) : QWidget(parent) {}

void TFlatGroupBox::SetColor(TColor c) {
    color_ = c;
    update();
}
void TFlatGroupBox::SetColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}
void TFlatGroupBox::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TFlatGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
    const int top = caption_.isEmpty() ? 0 : fontMetrics().height() / 2;
    p.setPen(ToQColor(colorBorder_));
    p.drawRect(rect().adjusted(0, top, -1, -1));
    if (!caption_.isEmpty()) {
        const QRect textRect(8, 0, fontMetrics().horizontalAdvance(caption_) + 4, fontMetrics().height());
        p.fillRect(textRect, ToQColor(color_));
        p.setPen(ToQColor(clWindowText));
        p.drawText(textRect, Qt::AlignCenter, caption_);
    }
}
