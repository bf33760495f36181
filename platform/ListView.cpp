#include "platform/ListView.h"

#include "platform/Colors.h"

#include <QEvent>
#include <QHeaderView>

namespace {

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString CellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

QString TListColumn::Caption() const {
    const QTableWidgetItem* header = view_->horizontalHeaderItem(index_);
    return header ? header->text() : QString();
}
void TListColumn::SetCaption(const QString& caption) { view_->setHorizontalHeaderItem(index_, ReadOnlyItem(caption)); }
int TListColumn::Width() const { return view_->columnWidth(index_); }
void TListColumn::SetWidth(int width) { view_->setColumnWidth(index_, width); }

void TListColumns::Clear() { view_->setColumnCount(0); }
TListColumn TListColumns::Add() {
    const int index = view_->columnCount();
    view_->setColumnCount(index + 1);
    view_->setColumnWidth(index, 50);
    return {view_, index};
}
int TListColumns::Count() const { return view_->columnCount(); }

void TSubItems::Add(const QString& text) {
    int& count = view_->subItemCounts_.at(static_cast<std::size_t>(row_));
    ++count;
    // Sub-items beyond the last column are kept by the classic list but never shown.
    if (count < view_->columnCount())
        view_->setItem(row_, count, ReadOnlyItem(text));
}
int TSubItems::Count() const { return view_->subItemCounts_.at(static_cast<std::size_t>(row_)); }
QString TSubItems::operator[](int i) const { return CellText(view_, row_, i + 1); }

QString TListItem::Caption() const { return CellText(view_, row_, 0); }
void TListItem::SetCaption(const QString& caption) { view_->setItem(row_, 0, ReadOnlyItem(caption)); }

void TListItems::Clear() {
    view_->setRowCount(0);
    view_->subItemCounts_.clear();
}
TListItem TListItems::Add() {
    const int row = view_->rowCount();
    view_->insertRow(row);
    view_->subItemCounts_.push_back(0);
    // A new row is neither selected nor current, as in the classic list.
    view_->setCurrentIndex(QModelIndex());
    return {view_, row};
}
int TListItems::Count() const { return view_->rowCount(); }

TListView::TListView(QWidget* parent) : QTableWidget(parent) {
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    ApplyRowHeight();
}

void TListView::SetViewStyle(TViewStyle style) { viewStyle_ = style; }

bool TListView::ShowColumnHeaders() const { return !horizontalHeader()->isHidden(); }
void TListView::SetShowColumnHeaders(bool on) { horizontalHeader()->setVisible(on); }

void TListView::SetColor(TColor c) {
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(c));
    setPalette(pal);
}

void TListView::SetFontColor(TColor c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Text, ToQColor(c));
    setPalette(pal);
}

void TListView::SetStateImages(TImageList* images) {
    stateImages_ = images;
    ApplyRowHeight();
}

int TListView::RowHeight() const { return verticalHeader()->defaultSectionSize(); }

void TListView::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ApplyRowHeight(); // a taller face may need taller rows than the images
}

void TListView::ApplyRowHeight() {
    const int textHeight = fontMetrics().height() + 4;
    const int imageHeight = stateImages_ ? stateImages_->Height() : 0;
    verticalHeader()->setDefaultSectionSize(std::max(textHeight, imageHeight));
}
