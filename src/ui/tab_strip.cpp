#include "ui/tab_strip.h"

#include "ui/accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>

namespace tivora {

namespace {

constexpr int kRows = 2;

} // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
    InstallAccessibleInterfaces();
    // Its tabs speak for themselves; a caption as the strip's name would
    // sound like the box of the same caption on that page.
    setAccessibleName(tr("Pages"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

void TabStrip::addTab(const QString& text) {
    texts_.append(text);
    sizes_.append(QSize());
    if (current_ < 0)
        current_ = 0;
    remeasure(count() - 1);
}

void TabStrip::setTabText(int index, const QString& text) {
    if (index < 0 || index >= count())
        return;
    texts_[index] = text;
    remeasure(index);
}

QString TabStrip::tabText(int index) const {
    return index >= 0 && index < count() ? texts_.at(index) : QString();
}

void TabStrip::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    layoutTabs();
    if (QAccessible::isActive()) {
        // Screen readers follow the selected page tab, and the focus with it.
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(index);
            QAccessible::updateAccessibility(&focus);
        }
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
    }
    emit currentChanged(index);
}

QRect TabStrip::tabRect(int index) const {
    return index >= 0 && index < rects_.size() ? rects_.at(index) : QRect();
}

int TabStrip::rowOf(int index) const {
    const QRect rect = tabRect(index);
    return rect.isNull() || rowHeight_ <= 0 ? -1 : rect.top() / rowHeight_;
}

QSize TabStrip::measureTab(int index) const {
    QStyleOptionTab option;
    option.initFrom(this);
    option.text = texts_.at(index);
    option.shape = QTabBar::RoundedNorth;
    const QFontMetrics metrics = fontMetrics();
    const QSize content(metrics.size(Qt::TextShowMnemonic, option.text).width() +
                            style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                        metrics.height() +
                            style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, content, this);
}

void TabStrip::remeasure(int index) {
    sizes_.resize(count());
    rowHeight_ = fontMetrics().height();
    int total = 0;
    for (int i = 0; i < count(); ++i) {
        if (index < 0 || i == index)
            sizes_[i] = measureTab(i);
        rowHeight_ = std::max(rowHeight_, sizes_.at(i).height());
        total += sizes_.at(i).width();
    }
    split_ = (count() + 1) / 2;
    int widest = total;
    int first = 0;
    for (int split = 1; split < count(); ++split) {
        first += sizes_.at(split - 1).width();
        if (std::max(first, total - first) < widest) {
            widest = std::max(first, total - first);
            split_ = split;
        }
    }
    updateGeometry();
    layoutTabs();
}

QSize TabStrip::sizeHint() const {
    int rowWidths[kRows] = {0, 0};
    for (int i = 0; i < count(); ++i)
        rowWidths[i < split_ ? 0 : 1] += sizes_.at(i).width();
    return {std::max(rowWidths[0], rowWidths[1]), kRows * rowHeight_};
}

QSize TabStrip::minimumSizeHint() const {
    return sizeHint();
}

void TabStrip::layoutTabs() {
    rects_.fill(QRect(), count());
    if (count() == 0)
        return;
    const int split = split_;
    const int height = rowHeight_;
    // The current tab's row sits at the bottom, against the pages.
    const bool currentInFirst = current_ < split;
    for (int row = 0; row < kRows; ++row) {
        const int begin = row == 0 ? 0 : split;
        const int end = row == 0 ? split : count();
        const bool bottom = (row == 0) == currentInFirst;
        const int y = bottom ? (kRows - 1) * height : 0;
        int natural = 0;
        for (int i = begin; i < end; ++i)
            natural += sizes_.at(i).width();
        // Stretch the row to the full width; the last tab takes the rest.
        const int extra = std::max(0, width() - natural);
        int x = 0;
        for (int i = begin; i < end; ++i) {
            int w = sizes_.at(i).width() + extra / std::max(1, end - begin);
            if (i == end - 1)
                w = std::max(w, width() - x);
            rects_[i] = QRect(x, y, w, height);
            x += w;
        }
    }
    update();
}

void TabStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutTabs();
}

bool TabStrip::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        remeasure();
        break;
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TabStrip::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const int split = split_;
    const QPoint mouse = mapFromGlobal(QCursor::pos());
    // The current tab last, so its raised edges lie over its neighbours.
    QVector<int> order;
    for (int i = 0; i < count(); ++i)
        if (i != current_)
            order.append(i);
    if (current_ >= 0)
        order.append(current_);
    for (const int i : order) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.rect = rects_.at(i);
        option.text = texts_.at(i);
        option.shape = QTabBar::RoundedNorth;
        option.row = rowOf(i);
        const int begin = i < split ? 0 : split;
        const int end = i < split ? split : count();
        option.position = end - begin == 1 ? QStyleOptionTab::OnlyOneTab
                          : i == begin     ? QStyleOptionTab::Beginning
                          : i == end - 1   ? QStyleOptionTab::End
                                           : QStyleOptionTab::Middle;
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (i == current_)
            option.state |= QStyle::State_Selected;
        else if (underMouse() && option.rect.contains(mouse))
            option.state |= QStyle::State_MouseOver;
        if (rowOf(i) != kRows - 1)
            option.state &= ~QStyle::State_Selected;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
    if (hasFocus() && current_ >= 0) {
        // Drawn here rather than left to the style, which shows it only after
        // a key has moved the focus.
        const QRect mark = rects_.at(current_).adjusted(4, 4, -4, -3);
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(mark);
    }
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    for (int i = 0; i < count(); ++i)
        if (rects_.at(i).contains(at)) {
            setCurrentIndex(i);
            break;
        }
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
    int target = current_;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        target = current_ - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        target = current_ + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentIndex(std::clamp(target, 0, std::max(0, count() - 1)));
    event->accept();
}

} // namespace tivora
