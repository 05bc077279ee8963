#include "ui/widgets.h"

#include "ui/accessible.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace tivora {

QFont VerdanaFont(qreal pointSize, bool bold) {
    // Asked once: a missing family makes every font lookup search for a
    // substitute, which costs more than the whole window.
    static const bool haveVerdana = QFontDatabase::families().contains(QStringLiteral("Verdana"));
    QFont font;
    font.setFamilies({haveVerdana ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    InstallAccessibleInterfaces();
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            emit clicked();
            return;
        }
    QLabel::keyPressEvent(event);
}

namespace {

// The label's own text control, if it made one.
QObject* TextControl(const QLabel& label) {
    for (QObject* child : label.children())
        if (qstrcmp(child->metaObject()->className(), "QWidgetTextControl") == 0)
            return child;
    return nullptr;
}

} // namespace

void LinkLabel::paintEvent(QPaintEvent* event) {
    {
        // A label that takes the focus keeps its text in a text control,
        // which lays the text out at the first paint after a resize and then
        // asks for a repaint that this paint already covers: one more paint
        // and flush of the window for nothing.
        const QSignalBlocker noRepaint(TextControl(*this));
        QLabel::paintEvent(event);
    }
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {

class ToolTipWrapper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty())
            return QObject::eventFilter(watched, event);
        // Rich text is word-wrapped by the tooltip to a width of about 80
        // average characters; plain text never wraps.
        const QString text = widget->toolTip();
        const QString shown = Qt::mightBeRichText(text)
                                  ? text
                                  : QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, widget);
        return true;
    }
};

} // namespace

void WrapToolTips(QWidget& window) {
    auto* wrapper = new ToolTipWrapper(&window);
    for (QWidget* widget : Descendants(window))
        if (!widget->toolTip().isEmpty())
            widget->installEventFilter(wrapper);
}

QList<QWidget*> Descendants(const QWidget& parent) {
    QList<QWidget*> found;
    for (QObject* child : parent.children())
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            found.append(widget);
            found.append(Descendants(*widget));
        }
    return found;
}

void FitWrapped(QLabel* label, const QString& text, int width) {
    label->setText(text);
    const QFontMetrics metrics = label->fontMetrics();
    const int needed =
        metrics.boundingRect(QRect(0, 0, std::max(width, 50), 10000), Qt::TextWordWrap, text)
            .height();
    label->setMinimumHeight(std::max(needed, 2 * metrics.lineSpacing()) +
                            label->contentsMargins().top() + label->contentsMargins().bottom());
}

QString LabelText(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                text += QLatin1Char('&');
            ++i;
            if (i < caption.size() && caption[i] != QLatin1Char('&'))
                text += caption[i];
            continue;
        }
        text += caption[i];
    }
    return text;
}

void ProgramWindow::unload() {
    unloading_ = true;
    close();
    unloading_ = false;
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !unloading_)
        emit closedByUser();
}

void ProgramWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!exposed_ && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool ProgramWindow::eventFilter(QObject* watched, QEvent* event) {
    // The expose that makes the window visible paints it before its handling
    // returns, so a call queued here runs once the paint is on the screen.
    if (event->type() == QEvent::Expose && !exposed_ && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        exposed_ = true;
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &ProgramWindow::seen, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tivora
