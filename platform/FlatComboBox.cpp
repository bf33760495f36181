#include "platform/FlatComboBox.h"

#include "platform/Colors.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kArrowWidth = 15;

// Gives every row of the drop-down list the box's item height (or the font's, if taller).
class ItemHeightDelegate : public QStyledItemDelegate {
public:
    ItemHeightDelegate(const TFlatComboBox* box, QObject* parent) : QStyledItemDelegate(parent), box_(box) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(box_->ItemHeight(), option.fontMetrics.height()) + 2);
        return size;
    }

private:
    const TFlatComboBox* box_;
};

} // namespace

TFlatComboBox::TFlatComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // Enter must not turn typed text into an item
    setCompleter(nullptr);                // nor may completion change what was typed
    setFrame(false);
    lineEdit()->setFrame(false);
    setItemDelegate(new ItemHeightDelegate(this, this));
    SetColor(color_);
}

void TFlatComboBox::SetText(const QString& text) { setEditText(text); }

void TFlatComboBox::ClearItems() {
    const QString text = currentText();
    clear();
    setEditText(text);
}

void TFlatComboBox::AddItem(const QString& item) {
    // QComboBox selects the first item added to an empty list; the classic box does not.
    const QString text = currentText();
    const int index = currentIndex();
    const bool blocked = blockSignals(true);
    addItem(item);
    setCurrentIndex(index);
    setEditText(text);
    blockSignals(blocked);
}

void TFlatComboBox::SetColor(TColor c) {
    color_ = c;
    QPalette pal = lineEdit()->palette();
    pal.setColor(QPalette::Base, ToQColor(c));
    lineEdit()->setPalette(pal);
    update();
}
void TFlatComboBox::SetColorArrowBackground(TColor c) {
    colorArrowBackground_ = c;
    update();
}
void TFlatComboBox::SetColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}
void TFlatComboBox::SetItemHeight(int height) { itemHeight_ = height; }

QRect TFlatComboBox::ArrowRect() const { return {width() - kArrowWidth - 1, 1, kArrowWidth, height() - 2}; }

void TFlatComboBox::PlaceEditor() { lineEdit()->setGeometry(3, 1, width() - kArrowWidth - 5, height() - 2); }

void TFlatComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    PlaceEditor();
}

void TFlatComboBox::paintEvent(QPaintEvent*) {
    PlaceEditor(); // the style may have moved the editor on a state change
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, ToQColor(color_));
    const QRect arrow = ArrowRect();
    p.fillRect(arrow, ToQColor(colorArrowBackground_));
    p.setPen(ToQColor(colorBorder_));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawLine(arrow.left() - 1, r.top(), arrow.left() - 1, r.bottom());

    // A small solid triangle pointing down, centred in the arrow area.
    const QPoint c = arrow.center();
    const QPolygon triangle({QPoint(c.x() - 3, c.y() - 1), QPoint(c.x() + 3, c.y() - 1), QPoint(c.x(), c.y() + 2)});
    p.setPen(ToQColor(isEnabled() ? clBtnText : clBtnShadow));
    p.setBrush(p.pen().color());
    p.drawPolygon(triangle);
}
