#include "settings/FastProfile.h"
#include "settings/SlowProfile.h"
#include "settings/StandardProfile.h"
#include "settings/StepProfile.h"

#include "resources/Resources.h"

#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

class TestProfileEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initSorvanaResources(); }
    void timesAreClampedToTenMinutes();
    void stepTemperatures();
    void fastTemperature();
    void readOnlyDisablesEveryEditor();
    void picturesAreShown();
};

void TestProfileEditors::timesAreClampedToTenMinutes()
{
    SlowProfile slow;
    slow.setTime(QTime(0, 12, 30));
    QCOMPARE(slow.time(), QTime(0, 10, 0));
    QCOMPARE(slow.findChild<QTimeEdit*>("timeEdit")->text(), QString("10:00"));
    slow.setTime(QTime(0, 3, 7));
    QCOMPARE(slow.time(), QTime(0, 3, 7));

    StepProfile step;
    step.setValues(QTime(0, 0, 59), 50, QTime(1, 0), 60);
    QCOMPARE(step.time1(), QTime(0, 0, 59));
    QCOMPARE(step.time2(), QTime(0, 10, 0));

    FastProfile fast;
    fast.setValues(QTime(0, 11), 100);
    QCOMPARE(fast.time(), QTime(0, 10, 0));
}

void TestProfileEditors::stepTemperatures()
{
    StepProfile step;
    step.setValues(QTime(0, 1), 170, QTime(0, 2), 10);
    QCOMPARE(step.temperature1(), 160); // step temperatures only reach 160
    QCOMPARE(step.temperature2(), 20);

    step.setMaximumTemperature(120);
    step.setValues(QTime(0, 1), 150, QTime(0, 2), 150);
    QCOMPARE(step.temperature1(), 120);
    QCOMPARE(step.temperature2(), 120);
    QCOMPARE(step.findChild<QSpinBox*>("tempT2Spinbox")->text(), QString("120"));
}

void TestProfileEditors::fastTemperature()
{
    FastProfile fast;
    fast.setValues(QTime(0, 1), 170);
    QCOMPARE(fast.temperature(), 170);
    fast.setValues(QTime(0, 1), 171);
    QCOMPARE(fast.temperature(), 170);

    fast.setMinimumTemperature(150);
    fast.setValues(QTime(0, 1), 100);
    QCOMPARE(fast.temperature(), 150);
}

void TestProfileEditors::readOnlyDisablesEveryEditor()
{
    SlowProfile slow;
    StepProfile step;
    FastProfile fast;
    slow.setReadOnly();
    step.setReadOnly();
    fast.setReadOnly();
    for (QWidget* editor : {static_cast<QWidget*>(&slow), static_cast<QWidget*>(&step),
                            static_cast<QWidget*>(&fast)}) {
        const QList<QAbstractSpinBox*> boxes = editor->findChildren<QAbstractSpinBox*>();
        QVERIFY(!boxes.isEmpty());
        for (QAbstractSpinBox* box : boxes)
            QVERIFY2(!box->isEnabled(), qPrintable(box->objectName()));
    }
    // Values still arrive in a read-only editor.
    step.setValues(QTime(0, 4), 90, QTime(0, 5), 100);
    QCOMPARE(step.temperature2(), 100);
}

void TestProfileEditors::picturesAreShown()
{
    StandardProfile standard;
    SlowProfile slow;
    StepProfile step;
    FastProfile fast;
    for (QWidget* editor : {static_cast<QWidget*>(&standard), static_cast<QWidget*>(&slow),
                            static_cast<QWidget*>(&step), static_cast<QWidget*>(&fast)}) {
        bool hasPicture = false;
        for (QLabel* label : editor->findChildren<QLabel*>()) {
            if (!label->pixmap(Qt::ReturnByValue).isNull())
                hasPicture = true;
        }
        QVERIFY2(hasPicture, editor->metaObject()->className());
    }
}

QTEST_MAIN(TestProfileEditors)
#include "tst_profileeditors.moc"
