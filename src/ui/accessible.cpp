#include "ui/accessible.h"

#include "ui/tab_strip.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace tivora {

namespace {

// A label that opens something when clicked: a link with a press action.
class AccessibleLinkLabel final : public QAccessibleWidget {
public:
    explicit AccessibleLinkLabel(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

class AccessibleTabStrip;

// One page tab of the strip; not a widget of its own.
class AccessibleStripTab final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleStripTab(TabStrip* strip, int index) : strip_(strip), index_(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QObject* object() const override { return nullptr; }
    bool isValid() const override { return strip_ && index_ < strip_->count(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = strip_->currentIndex() == index_;
        s.focused = s.selected && strip_->hasFocus();
        s.invisible = !strip_->isVisible();
        return s;
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = strip_->tabRect(index_);
        return QRect(strip_->mapToGlobal(local.topLeft()), local.size());
    }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return LabelText(strip_->tabText(index_));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(strip_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override {
        if (!isValid())
            return;
        if (action == pressAction() || action == setFocusAction())
            strip_->setCurrentIndex(index_);
        if (action == setFocusAction())
            strip_->setFocus();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TabStrip> strip_;
    int index_;
};

// The strip: a list of page tabs, one child per page.
class AccessibleTabStrip final : public QAccessibleWidget {
public:
    explicit AccessibleTabStrip(TabStrip* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~AccessibleTabStrip() override {
        for (const auto& [index, id] : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return strip()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= strip()->count())
            return nullptr;
        if (const auto found = tabs_.find(index); found != tabs_.end())
            return QAccessible::accessibleInterface(found->second);
        auto* tab = new AccessibleStripTab(strip(), index);
        tabs_[index] = QAccessible::registerAccessibleInterface(tab);
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : tabs_)
            if (QAccessible::accessibleInterface(id) == child)
                return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = strip()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < strip()->count(); ++i)
            if (strip()->tabRect(i).contains(local))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return strip()->hasFocus() ? child(strip()->currentIndex()) : nullptr;
    }

private:
    TabStrip* strip() const { return static_cast<TabStrip*>(widget()); }

    mutable std::map<int, QAccessible::Id> tabs_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* strip = qobject_cast<TabStrip*>(object))
        return new AccessibleTabStrip(strip);
    if (auto* label = qobject_cast<LinkLabel*>(object))
        return new AccessibleLinkLabel(label);
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tivora
