#include "platform/FlatEdit.h"

#include "platform/Colors.h"

#include <QPainter>

TFlatEdit::TFlatEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(2, 0, 2, 0);
    ApplyBackground();
}

void TFlatEdit::SetColor(TColor c) {
    color_ = c;
    ApplyBackground();
}
void TFlatEdit::SetColorFlat(TColor c) {
    colorFlat_ = c;
    ApplyBackground();
}
void TFlatEdit::SetColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}

void TFlatEdit::ApplyBackground() {
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(hasFocus() ? color_ : colorFlat_));
    setPalette(pal);
    update();
}

void TFlatEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    p.setPen(ToQColor(colorBorder_));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFlatEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    ApplyBackground();
}

void TFlatEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    ApplyBackground();
}
