// The window on a screen scaled by 1.25 (120 dpi): its layout in twips keeps its size in
// inches, so it covers more physical pixels.
#include <QApplication>
#include <QPixmap>
#include <QTest>

#include "window/qt/main_window.h"
#include "window/qt/tests/offscreen_main.h"

class TstScaled : public QObject {
    Q_OBJECT

  private slots:
    void windowCoversPhysicalPixels();
};

void TstScaled::windowCoversPhysicalPixels() {
    QCOMPARE(qApp->devicePixelRatio(), 1.25);
    tarvik::qt::Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(240, 286));
    const QPixmap painted = window.grab();
    QCOMPARE(painted.size(), QSize(300, 358));
}

int main(int argc, char* argv[]) {
    tarvik::testing::PreferOffscreen();
    qputenv("QT_SCALE_FACTOR", "1.25");
    QApplication application(argc, argv);
    TstScaled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaled.moc"
