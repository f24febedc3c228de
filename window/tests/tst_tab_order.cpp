// Tab indexes as a list: giving one control a new index shifts the others.
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "window/tab_order.h"
#include "window/tests/offscreen_main.h"

class TstTabOrder : public QObject {
    Q_OBJECT

  private slots:
    void setIndex_data();
    void setIndex();
    void strangerHasNoIndex();
};

namespace {

struct Controls {
    QWidget parent;
    tarvik::TabOrder order;

    Controls() {
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            auto* control = new QWidget(&parent);
            control->setObjectName(QString::fromUtf8(name));
            order.Append(control);
        }
    }
    QWidget* operator[](const QString& name) { return parent.findChild<QWidget*>(name); }
    QString Sequence() {
        QString sequence;
        for (QObject* child : parent.children()) {
            auto* control = qobject_cast<QWidget*>(child);
            sequence.resize(qMax(sequence.size(), order.IndexOf(control) + 1));
            sequence[order.IndexOf(control)] = control->objectName().at(0);
        }
        return sequence;
    }
};

}  // namespace

void TstTabOrder::setIndex_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sequence");

    QTest::addRow("to the front") << "c" << 0 << "cabde";
    QTest::addRow("to the back") << "b" << 4 << "acdeb";
    QTest::addRow("forward into the middle") << "a" << 2 << "bcade";
    QTest::addRow("back into the middle") << "e" << 1 << "aebcd";
    QTest::addRow("its own place") << "c" << 2 << "abcde";
    QTest::addRow("past the end goes last") << "a" << 99 << "bcdea";
    QTest::addRow("negative goes first") << "d" << -3 << "dabce";
}

void TstTabOrder::setIndex() {
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, sequence);

    Controls controls;
    controls.order.SetIndex(controls[control], index);
    QCOMPARE(controls.Sequence(), sequence);
}

void TstTabOrder::strangerHasNoIndex() {
    Controls controls;
    QWidget stranger;
    QCOMPARE(controls.order.IndexOf(&stranger), -1);
    controls.order.SetIndex(&stranger, 0);
    QCOMPARE(controls.Sequence(), QStringLiteral("abcde"));
}

int main(int argc, char* argv[]) {
    tarvik::testing::PreferOffscreen();
    QApplication application(argc, argv);
    TstTabOrder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tab_order.moc"
