#pragma once
// A report-style list: rows of a caption and sub-items in fixed-width columns, with optional
// grid lines and column headers. Rows take the height of the state-image list when one is set,
// as the classic list view sizes its rows to its images.

#include "calendar/Color.h"

#include <QTableWidget>
#include <vector>

class TListView;

// A list of images that only lends its size; the list view never draws a state image.
class TImageList : public QObject {
    Q_OBJECT
public:
    explicit TImageList(QObject* parent = nullptr) : QObject(parent) {}
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }
    int Height() const { return height_; }
    void SetHeight(int h) { height_ = h; }

private:
    int width_ = 16;
    int height_ = 16;
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn {
public:
    TListColumn(TListView* view, int index) : view_(view), index_(index) {}
    QString Caption() const;
    void SetCaption(const QString& caption);
    int Width() const;
    void SetWidth(int width);

private:
    TListView* view_;
    int index_;
};

class TListColumns {
public:
    explicit TListColumns(TListView* view) : view_(view) {}
    void Clear();
    TListColumn Add();
    int Count() const;
    TListColumn operator[](int i) const { return {view_, i}; }

private:
    TListView* view_;
};

// The texts after an item's caption, one a column.
class TSubItems {
public:
    TSubItems(TListView* view, int row) : view_(view), row_(row) {}
    void Add(const QString& text);
    int Count() const;
    QString operator[](int i) const;

private:
    TListView* view_;
    int row_;
};

class TListItem {
public:
    TListItem(TListView* view, int row) : view_(view), row_(row) {}
    QString Caption() const;
    void SetCaption(const QString& caption);
    TSubItems SubItems() const { return {view_, row_}; }
    int Index() const { return row_; }

private:
    TListView* view_;
    int row_;
};

class TListItems {
public:
    explicit TListItems(TListView* view) : view_(view) {}
    void Clear();
    TListItem Add();
    int Count() const;
    TListItem operator[](int i) const { return {view_, i}; }

private:
    TListView* view_;
};

class TListView : public QTableWidget {
    Q_OBJECT
public:
    explicit TListView(QWidget* parent = nullptr);

    TListItems Items() { return TListItems(this); }
    TListColumns Columns() { return TListColumns(this); }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    bool GridLines() const { return showGrid(); }
    void SetGridLines(bool on) { setShowGrid(on); }
    bool ShowColumnHeaders() const;
    void SetShowColumnHeaders(bool on);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    void SetFontColor(TColor c);
    TImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TImageList* images);
    int RowHeight() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    friend class TListItems;
    friend class TSubItems;
    void ApplyRowHeight();

    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    TColor color_ = clWindow;
    TImageList* stateImages_ = nullptr;
    std::vector<int> subItemCounts_; // sub-items added to each row so far
};
