#include "platform/detail/list_box_control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QWheelEvent>
#include <algorithm>

namespace kestrune::platform::detail {

namespace {

// UTF-8, the program's own text; a row that is not (an 8-bit list file's) shows as Latin-1, so
// every byte still shows as a character of its own.
QString decodeRow(const std::string& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return text;
}

} // namespace

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QModelIndex ListBoxModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= size() || column != 0 || parent.isValid()) {
        return {};
    }
    return createIndex(row, column);
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size()) {
        return {};
    }
    // Assistive technology reads the row with its tabs, whatever the drawing makes of them.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return decodeRow(rows_.at(index.row()));
    }
    return {};
}

void ListBoxModel::insert(int row, std::string text) {
    beginInsertRows({}, row, row);
    rows_.insert(row, std::move(text));
    endInsertRows();
}

void ListBoxModel::remove(int row) {
    beginRemoveRows({}, row, row);
    rows_.remove(row);
    endRemoveRows();
}

void ListBoxModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

namespace {

// Draws a row with its tabs expanded at the list box's tab stops.
class ListBoxDelegate final : public QStyledItemDelegate {
public:
    explicit ListBoxDelegate(ListBoxControl* box) : QStyledItemDelegate(box), box_(box) {}

    QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                   const QModelIndex& /*index*/) const override {
        return {1, box_->rowHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        // A one-line list's selection is its value: highlighted only while the list has focus.
        if (box_->isOneLine() && !box_->hasFocus()) {
            item.state &= ~QStyle::State_Selected;
        }
        const QString text = item.text;
        item.text.clear();
        const QStyle* style = box_->style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, box_);

        const QRect area =
            style->subElementRect(QStyle::SE_ItemViewItemText, &item, box_).adjusted(2, 0, -1, 0);
        const QPalette::ColorGroup group =
            (item.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setPen(
            item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        if (box_->expandsTabs()) {
            layout.setTabStopDistance(box_->tabStop());
        }
        painter->setClipRect(area);
        painter->drawText(QRectF(area), text, layout);
        painter->restore();
    }

private:
    ListBoxControl* box_;
};

} // namespace

// The small up/down arrows of a one-line list box with a scroll bar.
class ListBoxArrows final : public QWidget {
public:
    explicit ListBoxArrows(ListBoxControl* box) : QWidget(box), box_(box) {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int half = height() / 2;
        drawArrow(painter, QRectF(0, 0, width(), half), true);
        drawArrow(painter, QRectF(0, half, width(), height() - half), false);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            box_->stepByUser(event->position().y() < height() / 2.0 ? -1 : +1);
        }
    }

private:
    // A small filled triangle in the text colour, centred in its half.
    void drawArrow(QPainter& painter, const QRectF& area, bool up) const {
        const qreal size = std::min(area.width() * 0.6, area.height() * 0.7);
        const QPointF centre = area.center();
        const qreal dy = size / 4;
        const QPolygonF triangle = up ? QPolygonF{{centre.x() - size / 2, centre.y() + dy},
                                                  {centre.x() + size / 2, centre.y() + dy},
                                                  {centre.x(), centre.y() - dy}}
                                      : QPolygonF{{centre.x() - size / 2, centre.y() - dy},
                                                  {centre.x() + size / 2, centre.y() - dy},
                                                  {centre.x(), centre.y() + dy}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                         QPalette::WindowText));
        painter.drawPolygon(triangle);
    }

    ListBoxControl* box_;
};

ListBoxControl::ListBoxControl(unsigned style, qreal tabStop, QWidget* parent)
    : QListView(parent), style_(style), tabStop_(tabStop), model_(new ListBoxModel(this)) {
    setModel(model_);
    setItemDelegate(new ListBoxDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode((style & style::NoSel) ? NoSelection : SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy((style & style::VScroll) ? Qt::ScrollBarAsNeeded
                                                        : Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setFrameShape((style & style::Border) ? QFrame::StyledPanel : QFrame::NoFrame);
    setTextElideMode(Qt::ElideNone);
}

int ListBoxControl::rowHeight() const {
    if (oneLine_) {
        return std::max(height() - 2 * frameWidth(), 1);
    }
    return fontMetrics().height();
}

int ListBoxControl::integralHeight(int height) const {
    const int frame = 2 * frameWidth();
    const int row = fontMetrics().height();
    return std::max((height - frame) / row, 1) * row + frame;
}

void ListBoxControl::resetContent() {
    model_->clear();
    topRow_ = 0;
}

int ListBoxControl::addString(std::string text) {
    const int row = model_->size();
    if (oneLine_) { // only a one-line list widens for its entries
        widenFor(decodeRow(text));
    }
    model_->insert(row, std::move(text));
    return row;
}

void ListBoxControl::widenFor(const QString& text) {
    // A one-line list shows a single entry: it must show it whole. It grows to the right into
    // free room, never over a neighbouring control.
    if (!oneLine_ || parentWidget() == nullptr) {
        return;
    }
    const int arrows = arrows_ != nullptr && arrows_->isVisibleTo(this) ? arrows_->width() : 0;
    const int needed = fontMetrics().horizontalAdvance(text) + 2 * frameWidth() + arrows + 6;
    if (needed <= width()) {
        return;
    }
    const int gap = fontMetrics().averageCharWidth();
    int limit = parentWidget()->width() - gap;
    for (const QObject* child : parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling == this || sibling->isWindow()) {
            continue;
        }
        const QRect other = sibling->geometry();
        const bool sameBand =
            other.top() < geometry().bottom() && other.bottom() > geometry().top();
        if (sameBand && other.left() >= geometry().right()) {
            limit = std::min(limit, other.left() - gap);
        }
    }
    const int widest = std::min(needed, limit - x());
    if (widest > width()) {
        resize(widest, height());
        updateOneLine();
    }
}

int ListBoxControl::insertString(int index, std::string text) {
    if (index == -1) {
        return addString(std::move(text));
    }
    if (index < 0 || index > model_->size()) {
        return -1;
    }
    if (oneLine_) { // only a one-line list widens for its entries
        widenFor(decodeRow(text));
    }
    model_->insert(index, std::move(text));
    return index;
}

int ListBoxControl::deleteString(int index) {
    if (index < 0 || index >= model_->size()) {
        return -1;
    }
    model_->remove(index);
    return model_->size();
}

std::string ListBoxControl::text(int index) const {
    if (index < 0 || index >= model_->size()) {
        return {};
    }
    return model_->at(index);
}

QString ListBoxControl::displayText(int index) const {
    return model_->data(model_->index(index), Qt::DisplayRole).toString();
}

int ListBoxControl::curSel() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBoxControl::setCurSel(int index) {
    if (index < 0 || index >= model_->size() || selectionMode() == NoSelection) {
        selectionModel()->clearSelection();
        return;
    }
    selectRow(index);
}

void ListBoxControl::selectRow(int row) {
    const QModelIndex index = model_->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, EnsureVisible);
}

void ListBoxControl::showTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(model_->size() - 1, 0));
    verticalScrollBar()->setValue(topRow_);
}

void ListBoxControl::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // The one row shown is the current one.
    if (oneLine_) {
        if (index.isValid()) {
            showTopRow(index.row());
        }
        return;
    }
    QListView::scrollTo(index, hint);
}

void ListBoxControl::updateGeometries() {
    QListView::updateGeometries();
    if (oneLine_) {
        verticalScrollBar()->setValue(topRow_);
    }
}

void ListBoxControl::stepByUser(int delta) {
    if (selectionMode() == NoSelection) {
        if (oneLine_) {
            showTopRow(topRow_ + delta);
        } else {
            verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
        }
        return;
    }
    asUser([&] {
        const int current = curSel();
        const int from = current >= 0               ? current
                         : currentIndex().isValid() ? currentIndex().row()
                                                    : -1;
        const int target = std::clamp(from < 0 ? 0 : from + delta, 0, model_->size() - 1);
        if (model_->size() > 0 && target != current) {
            selectRow(target);
        }
    });
}

template <class Input> void ListBoxControl::asUser(Input&& input) {
    const int before = curSel();
    input();
    if (curSel() != before && (style_ & style::Notify) && notify_) {
        notify_(LBN_SELCHANGE);
    }
}

void ListBoxControl::keyPressEvent(QKeyEvent* event) {
    asUser([&] { QListView::keyPressEvent(event); });
}

void ListBoxControl::mousePressEvent(QMouseEvent* event) {
    asUser([&] { QListView::mousePressEvent(event); });
}

void ListBoxControl::mouseMoveEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseMoveEvent(event); });
}

void ListBoxControl::mouseReleaseEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseReleaseEvent(event); });
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
    asUser([&] { QListView::mouseDoubleClickEvent(event); });
}

void ListBoxControl::wheelEvent(QWheelEvent* event) {
    if (!oneLine_) {
        QListView::wheelEvent(event);
        return;
    }
    // A one-line list steps one entry per wheel notch.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    if (notches != 0) {
        stepByUser(-notches);
    }
    event->accept();
}

void ListBoxControl::focusOutEvent(QFocusEvent* event) {
    QListView::focusOutEvent(event);
    viewport()->update();
}

void ListBoxControl::focusInEvent(QFocusEvent* event) {
    QListView::focusInEvent(event);
    viewport()->update();
    if (notify_) {
        notify_(LBN_SETFOCUS);
    }
}

void ListBoxControl::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    updateOneLine();
}

void ListBoxControl::updateOneLine() {
    const int frame = 2 * frameWidth();
    const bool oneLine = height() - frame < 2 * (fontMetrics().height());
    const bool withArrows = oneLine && (style_ & style::VScroll);
    if (oneLine) {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    if (withArrows && arrows_ == nullptr) {
        arrows_ = new ListBoxArrows(this);
        arrows_->setObjectName(QStringLiteral("arrows"));
    }
    if (arrows_ != nullptr) {
        const int inner = height() - frame;
        const int arrowWidth = std::max(inner * 3 / 4, 10);
        arrows_->setGeometry(width() - frameWidth() - arrowWidth, frameWidth(), arrowWidth, inner);
        arrows_->setVisible(withArrows);
        setViewportMargins(0, 0, withArrows ? arrowWidth : 0, 0);
    }
    if (oneLine != oneLine_) {
        oneLine_ = oneLine;
        scheduleDelayedItemsLayout();
    }
}

} // namespace kestrune::platform::detail
