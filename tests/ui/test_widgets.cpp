#include "ui/widgets.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tivora;

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
