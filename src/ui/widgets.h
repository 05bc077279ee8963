#pragma once

#include <QFont>
#include <QLabel>
#include <QMainWindow>

namespace tivora {

// The program's fonts ask for Verdana and fall back to the platform's sans
// serif where it is missing.
QFont VerdanaFont(qreal pointSize, bool bold = false);

// A label that acts as a link: underlined, pointing-hand cursor, and a
// clicked() signal on a left-button release inside it. Given a focus policy
// it is also a tab stop: Space, Return or Enter click it, and a dotted mark
// shows while it has the focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does, for keys and screen readers.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// Shows the hover texts of window's widgets (those set when this is called)
// wrapped to a readable width instead of in one long line; their toolTip()
// texts stay as they are.
void WrapToolTips(QWidget& window);

// Every widget below parent, depth first, each before those it holds and in
// the order they were made.
QList<QWidget*> Descendants(const QWidget& parent);

// Word-wrapped labels get no more height from the layouts they sit in (a
// status bar, a main window's frame) than their first showing asked for:
// sets the text and gives the label the height it needs at width, two lines
// at least.
void FitWrapped(QLabel* label, const QString& text, int width);

// Captions show "&&" as one "&" and mark no access key in a plain label.
QString LabelText(const QString& caption);

// A modeless top-level window of the program. unload() closes it without
// ending the program; a close by the user announces closedByUser(). seen()
// comes once, just after the window's first paint has gone to the screen:
// work that can wait for it does not hold up the window.
class ProgramWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;
    void unload();

signals:
    void closedByUser();
    void seen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool unloading_ = false;
    bool exposed_ = false;
};

} // namespace tivora
