#pragma once

#include <QStringList>
#include <QVector>
#include <QWidget>

namespace tivora {

// A tab strip that lays its tabs out in two rows, so every caption shows in
// full without scroll arrows, as classic multi-row tab controls do: each row
// is stretched to the strip's width, and the row holding the current tab
// moves next to the pages below. Left, Right, Up, Down, Home and End move
// the current tab; the current tab carries a dotted focus mark while the
// strip has the keyboard focus.
class TabStrip final : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    void addTab(const QString& text);
    void setTabText(int index, const QString& text);
    QString tabText(int index) const;
    int count() const { return int(texts_.size()); }

    int currentIndex() const { return current_; }
    // Ignores indexes outside the strip; selecting the current tab again
    // announces nothing.
    void setCurrentIndex(int index);

    // Where tab index stands in the strip's own coordinates.
    QRect tabRect(int index) const;
    // The row (0 at the top) tab index stands in.
    int rowOf(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QSize measureTab(int index) const;
    // Measures tab index again, or every tab when index is -1 (font or style
    // changed), then lays them out.
    void remeasure(int index = -1);
    void layoutTabs();

    QStringList texts_;
    // Each tab's natural size, the common row height, and the first index of
    // the second row (splitting the widths as evenly as the order allows).
    QVector<QSize> sizes_;
    int rowHeight_ = 0;
    int split_ = 0;
    QVector<QRect> rects_;
    int current_ = -1;
};

} // namespace tivora
