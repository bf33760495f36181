#include "platform/FlatButton.h"

#include "platform/Colors.h"

#include <QPainter>
#include <QStyle>

TFlatButton::TFlatButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void TFlatButton::SetColor(TColor c) {
    color_ = c;
    update();
}
void TFlatButton::SetColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}
void TFlatButton::SetColorFocused(TColor c) {
    colorFocused_ = c;
    update();
}
void TFlatButton::SetColorDown(TColor c) {
    colorDown_ = c;
    update();
}

QSize TFlatButton::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return {text.width() + 16, text.height() + 10};
}

void TFlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown() || isChecked();
    const TColor face = down ? colorDown_ : (hot_ ? colorFocused_ : color_);
    const QRect r = rect();
    p.fillRect(r, ToQColor(face));
    p.setPen(ToQColor(colorBorder_));
    p.drawRect(r.adjusted(0, 0, -1, -1));

    QRect textRect = r;
    if (down)
        textRect.translate(1, 1);
    p.setPen(ToQColor(isEnabled() ? clBtnText : clBtnShadow));
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QPen focusPen(ToQColor(clBtnText), 1, Qt::DotLine);
        p.setPen(focusPen);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void TFlatButton::enterEvent(QEnterEvent* event) {
    hot_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TFlatButton::leaveEvent(QEvent* event) {
    hot_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
