#pragma once
// A flat editable drop-down: the user picks an item or types any text, and the text is read
// exactly as it stands. Clearing or adding items never changes the text or selects an item,
// as the classic list-backed combo box behaves.

#include "calendar/Color.h"

#include <QComboBox>

class TFlatComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* parent = nullptr);

    QString Text() const { return currentText(); }
    void SetText(const QString& text);

    void ClearItems();
    void AddItem(const QString& item);
    int ItemCount() const { return count(); }
    QString Item(int i) const { return itemText(i); }
    int ItemIndex() const { return currentIndex(); }

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TColor ColorArrowBackground() const { return colorArrowBackground_; }
    void SetColorArrowBackground(TColor c);
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(TColor c);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect ArrowRect() const;
    void PlaceEditor();

    TColor color_ = clWindow;
    TColor colorArrowBackground_ = clBtnFace;
    TColor colorBorder_ = RGBColor(160, 150, 131);
    int itemHeight_ = 13;
};
