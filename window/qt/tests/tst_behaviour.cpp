// The window at work: every scenario of the shared table and the focus walk on the real Qt
// window, and what only a Qt window can show: the place it opens at, the surface as painted,
// and the end of Qt's event loop after a failure.
#include <string>
#include <vector>

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "weir/calculate.h"
#include "window/qt/main_window.h"
#include "window/qt/tests/offscreen_main.h"
#include "window/qt/tests/qt_driver.h"
#include "window/tests/scenarios.h"

namespace {

using tarvik::testing::QtDriver;
using tarvik::testing::StrongPixels;

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

std::string Lines(const std::vector<std::string>& mismatches) {
    std::string lines;
    for (const std::string& mismatch : mismatches) {
        lines += "\n    " + mismatch;
    }
    return lines;
}

}  // namespace

class TstBehaviour : public QObject {
    Q_OBJECT

  private slots:
    void scenarios_data();
    void scenarios();
    void focusWalk();
    void tabTellsOfTheFocusBeforeTheSelection_data();
    void tabTellsOfTheFocusBeforeTheSelection();
    void opensCentredWithCaretInText1();
    void surfaceKeepsColourAndPosition();
    void messageSurvivesHidingAndRepainting();
    void windowGoesByDeleteLater();
    // Last: leaving Qt's event loop cannot be undone for the slots after it.
    void failingControlLeavesEventLoopByDefault();
};

void TstBehaviour::scenarios_data() {
    QTest::addColumn<int>("row");
    const auto& scenarios = tarvik::testing::Scenarios();
    for (std::size_t row = 0; row < scenarios.size(); ++row) {
        QTest::newRow(std::string(scenarios[row].name).c_str()) << static_cast<int>(row);
    }
}

void TstBehaviour::scenarios() {
    QFETCH(int, row);
    QtDriver driver;
    const std::vector<std::string> mismatches = tarvik::testing::Run(
        tarvik::testing::Scenarios().at(static_cast<std::size_t>(row)), driver);
    QVERIFY2(mismatches.empty(), Lines(mismatches).c_str());
}

void TstBehaviour::focusWalk() {
    QtDriver driver;
    const std::vector<std::string> mismatches = tarvik::testing::RunFocusWalk(driver);
    QVERIFY2(mismatches.empty(), Lines(mismatches).c_str());
}

void TstBehaviour::tabTellsOfTheFocusBeforeTheSelection_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty, never focused") << "Text1"
                                          << "Text2"
                                          << "";
    QTest::newRow("a number, the caret at its start") << "Command2"
                                                      << "Text3"
                                                      << "500";
}

// Orca takes a caret or selection event in a field before its focus event as the focus
// itself, and names nothing. Qt tells assistive technology of the focus right after the
// application's focusChanged: entered with Tab, the field must move neither its selection nor
// its caret before that, and then hold its text selected, as Tab leaves it everywhere.
void TstBehaviour::tabTellsOfTheFocusBeforeTheSelection() {
    QFETCH(QString, from);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QtDriver driver;
    driver.Open(".");
    auto* edit = qobject_cast<QLineEdit*>(driver.Window().Control(field.toStdString()));
    QVERIFY(edit != nullptr);
    if (!text.isEmpty()) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    QStringList happened;
    QObject context;
    connect(qApp, &QApplication::focusChanged, &context, [&](QWidget*, QWidget* now) {
        if (now == edit) {
            happened << "focus";
        }
    });
    connect(edit, &QLineEdit::selectionChanged, &context, [&] { happened << "selection"; });
    connect(edit, &QLineEdit::cursorPositionChanged, &context, [&] { happened << "caret"; });

    driver.Press(from.toStdString(), tarvik::testing::Key::Tab);
    QTRY_COMPARE(edit->selectedText(), text);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(!happened.empty());
    QCOMPARE(happened.front(), QString("focus"));
}

void TstBehaviour::opensCentredWithCaretInText1() {
    QtDriver driver;
    driver.Open(".");
    QVERIFY(driver.Active());
    const tarvik::qt::Window& window = driver.Window();
    const QRect screen = window.screen()->geometry();
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QCOMPARE(screen.size(), QSize(1024, 768));
    }
    const QRect outer = window.frameGeometry();
    QCOMPARE(outer.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top(), (screen.height() - outer.height()) / 2);
    QCOMPARE(window.size(), QSize(240, 286));
    const QWidget* text1 = window.Control("Text1");
    QCOMPARE(QApplication::focusWidget(), text1);
    QVERIFY(text1->hasFocus());
}

void TstBehaviour::surfaceKeepsColourAndPosition() {
    QtDriver driver;
    driver.Open(".");
    tarvik::qt::Window& window = driver.Window();
    tarvik::WindowCore& core = window.Core();
    core.DrawTextLine("first line");
    QVERIFY(StrongPixels(window, kRed, window.rect()) > 0);  // red before anyone sets a colour

    core.SetDrawColour(0x00FF0000);
    core.DrawTextLine("second line");
    const int line = window.fontMetrics().height();
    QVERIFY(StrongPixels(window, kBlue, QRect(0, line, 240, line)) > 0);
    QCOMPARE(StrongPixels(window, kBlue, QRect(0, 0, 240, line - 2)), 0);

    driver.Click("Command2");
    QVERIFY(core.Surface().Drawn().empty());
    core.DrawTextLine("after clearing");
    QVERIFY(StrongPixels(window, kBlue, QRect(0, 0, 240, line)) > 0);
    QCOMPARE(StrongPixels(window, kRed, window.rect()), 0);
}

void TstBehaviour::messageSurvivesHidingAndRepainting() {
    QtDriver driver;
    driver.Open(".");
    driver.Type("Text1", "1000");
    driver.Type("Text2", "200");
    driver.Type("Text3", "500");
    driver.Click("Command1");
    const int before = driver.RedPixels(true);
    QVERIFY(before > 20);

    tarvik::qt::Window& window = driver.Window();
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCOMPARE(window.Core().Message(), std::string(weir::kNoSolutionMessage));
    QCOMPARE(driver.RedPixels(true), before);
}

void TstBehaviour::windowGoesByDeleteLater() {
    // Deleted from within its own event handling, the window must touch nothing of itself
    // afterwards (the sanitizer build sees it if it does).
    QPointer<tarvik::qt::Window> window = new tarvik::qt::Window;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->deleteLater();
    QTRY_VERIFY(window.isNull());
}

void TstBehaviour::failingControlLeavesEventLoopByDefault() {
    std::vector<weir::ErrorKind> reported;
    tarvik::qt::Window window(
        [&reported](const tarvik::ErrorBox& box) { reported.push_back(box.kind); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    delete window.Control("Text1");
    QTimer::singleShot(0, qobject_cast<QPushButton*>(window.Control("Command2")),
                       &QPushButton::click);
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(0); });
    QCOMPARE(loop.exec(), 1);
    QCOMPARE(reported, std::vector<weir::ErrorKind>{weir::ErrorKind::ControlFailure});
}

int main(int argc, char* argv[]) {
    tarvik::testing::PreferOffscreen();
    QApplication application(argc, argv);
    TstBehaviour test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_behaviour.moc"
