#include "ui/widgets.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tivora;

namespace {

struct PaintCounter final : QObject {
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void linkLabelClicks() {
        LinkLabel label(QStringLiteral("TZ Help"));
        label.resize(80, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy clicked(&label, &LinkLabel::clicked);

        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(&label, Qt::RightButton);
        QTest::mouseClick(&label, Qt::MiddleButton);
        QCOMPARE(clicked.count(), 1);

        // Pressed inside, let go outside: no click.
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 5));
        QCOMPARE(clicked.count(), 1);
        // A release alone is no click either.
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);

        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    }

    void focusableLinkLabelPaintsOncePerChange() {
        // A label that takes the focus keeps its text in a text control,
        // which lays the text out during the paint after a resize.
        LinkLabel label(QStringLiteral("TZ Help"));
        label.setFocusPolicy(Qt::StrongFocus);
        label.resize(80, 20);
        PaintCounter paints;
        label.installEventFilter(&paints);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QTRY_VERIFY(paints.count > 0);
        QTest::qWait(50);
        paints.count = 0;
        label.resize(90, 24);
        QTRY_VERIFY(paints.count > 0);
        QTest::qWait(50);
        QCOMPARE(paints.count, 1);
    }

    void programWindowSeenOnceAfterItsFirstPaint() {
        ProgramWindow window;
        window.resize(120, 80);
        PaintCounter paints;
        window.installEventFilter(&paints);
        int paintsWhenSeen = -1;
        connect(&window, &ProgramWindow::seen, this, [&] { paintsWhenSeen = paints.count; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(paintsWhenSeen >= 0);
        QVERIFY(paintsWhenSeen > 0);
        // Shown again, it is not seen for the first time again.
        QSignalSpy seen(&window, &ProgramWindow::seen);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QCOMPARE(seen.count(), 0);
    }

    void labelText_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Name"
                               << "Name";
        QTest::newRow("doubled") << "Latitude && Longitude"
                                 << "Latitude & Longitude";
        QTest::newRow("access key") << "&Open Previously Saved Reading"
                                    << "Open Previously Saved Reading";
        QTest::newRow("key after doubled") << "a&&&b"
                                           << "a&b";
        QTest::newRow("blanks kept") << "name &&  link"
                                     << "name &  link";
        QTest::newRow("trailing") << "end&"
                                  << "end";
    }
    void labelText() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(LabelText(caption), shown);
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
