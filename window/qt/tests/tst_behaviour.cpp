// The window at work: the load event, the keyboard, Calculate and Clear on typed inputs, the
// red message on the background, and what the user sees of each run-time error.
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "weir/calculate.h"
#include "window/qt/main_window.h"
#include "window/qt/tests/offscreen_main.h"

Q_DECLARE_METATYPE(weir::ErrorKind)

namespace {

struct Report {
    weir::ErrorKind kind;
    QString message;
};

// A window whose errors are recorded instead of shown, and whose exit is only noted.
struct Recorded {
    std::vector<Report> reports;
    std::vector<int> exits;
    tarvik::MainWindow window{[this](weir::ErrorKind kind, const std::string& message) {
                                  reports.push_back({kind, QString::fromStdString(message)});
                              },
                              [this](int status) { exits.push_back(status); }};

    bool active = false;  // shown, and holding the keyboard

    Recorded() {
        window.show();
        active = QTest::qWaitForWindowActive(&window);
    }
    QLineEdit* Field(const char* name) {
        return window.findChild<QLineEdit*>(QString::fromUtf8(name));
    }
    void Type(const QString& flow, const QString& minimum, const QString& maximum) {
        QTest::keyClicks(Field("Text1"), flow);
        QTest::keyClicks(Field("Text2"), minimum);
        QTest::keyClicks(Field("Text3"), maximum);
    }
    void Click(const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8(button)),
                          Qt::LeftButton);
    }
    // Pixels of one strong colour on the window as it is painted now.
    int Pixels(QRgb colour, const QRect& area) {
        const QImage image = window.grab(area).toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const auto near = [](int channel, int wanted) {
                    return wanted == 0 ? channel < 100 : channel > 180;
                };
                if (near(qRed(pixel), qRed(colour)) && near(qGreen(pixel), qGreen(colour)) &&
                    near(qBlue(pixel), qBlue(colour))) {
                    ++count;
                }
            }
        }
        return count;
    }
};

const QRect kMessageStrip(0, 0, 240, 24);  // nothing stands above 360 twips
const QRect kBelowStrip(0, 24, 240, 262);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

}  // namespace

class TstBehaviour : public QObject {
    Q_OBJECT

  private slots:
    void loadPutsText1First();
    void tabVisitsFieldsAndButtons();
    void opensCentredWithCaretInText1();
    void calculate_data();
    void calculate();
    void noSolutionMessageComesAndGoes();
    void surfaceKeepsColourAndPosition();
    void clearEmptiesEveryField();
    void enterAndEscapeRunNothing_data();
    void enterAndEscapeRunNothing();
    void errorLeavesWindowAsItWas_data();
    void errorLeavesWindowAsItWas();
    void failingControlEndsProgram_data();
    void failingControlEndsProgram();
    // Last: leaving Qt's event loop cannot be undone for the slots after it.
    void failingControlLeavesEventLoopByDefault();
};

void TstBehaviour::loadPutsText1First() {
    Recorded recorded;
    const QStringList expected{"Text1",    "Label2", "Label3", "Text2", "Command1",
                               "Command2", "Label4", "Text3",  "Text4", "Label5",
                               "Text5",    "Label1", "Label6"};
    for (int index = 0; index < expected.size(); ++index) {
        QCOMPARE(recorded.window.TabIndex(expected[index].toStdString()), index);
    }
}

void TstBehaviour::tabVisitsFieldsAndButtons() {
    Recorded recorded;
    QVERIFY(recorded.active);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int press = 0; press < 7; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Text1", "Text2", "Command1", "Command2", "Text3", "Text4",
                                   "Text5", "Text1"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text5"));
}

void TstBehaviour::opensCentredWithCaretInText1() {
    Recorded recorded;
    QVERIFY(recorded.active);
    const QRect screen = recorded.window.screen()->geometry();
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QCOMPARE(screen.size(), QSize(1024, 768));
    }
    const QRect outer = recorded.window.frameGeometry();
    QCOMPARE(outer.left(), (screen.width() - outer.width()) / 2);
    QCOMPARE(outer.top(), (screen.height() - outer.height()) / 2);
    QCOMPARE(recorded.window.size(), QSize(240, 286));
    QCOMPARE(QApplication::focusWidget(), recorded.Field("Text1"));
    QVERIFY(recorded.Field("Text1")->hasFocus());
}

void TstBehaviour::calculate_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("trials");

    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale germany(QLocale::German, QLocale::Germany);
    QTest::addRow("1000 L/min") << japan << "1000"
                                << "50"
                                << "500"
                                << "170.74"
                                << "12";
    QTest::addRow("100 L/min") << japan << "100"
                               << "10"
                               << "200"
                               << "67.4"
                               << "13";
    QTest::addRow("bracket swapped") << japan << "2000"
                                     << "300"
                                     << "100"
                                     << "225.71"
                                     << "15";
    QTest::addRow("decimal comma") << germany << "1000"
                                   << "50,0"
                                   << "500"
                                   << "170,74"
                                   << "12";
}

void TstBehaviour::calculate() {
    QFETCH(QLocale, locale);
    QFETCH(QString, flow);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QString, head);
    QFETCH(QString, trials);

    const QLocale before;
    QLocale::setDefault(locale);
    Recorded recorded;
    recorded.Type(flow, minimum, maximum);
    recorded.Click("Command1");
    QLocale::setDefault(before);

    QCOMPARE(recorded.Field("Text4")->text(), head);
    QCOMPARE(recorded.Field("Text5")->text(), trials);
    QCOMPARE(recorded.Field("Text1")->text(), flow);
    QCOMPARE(recorded.Field("Text2")->text(), minimum);
    QCOMPARE(recorded.Field("Text3")->text(), maximum);
    QVERIFY(recorded.window.DrawnTexts().empty());
    QVERIFY(recorded.reports.empty());
}

void TstBehaviour::noSolutionMessageComesAndGoes() {
    Recorded recorded;
    const std::string message(weir::kNoSolutionMessage);
    const auto shown = [&] {
        QCOMPARE(recorded.window.DrawnTexts(), std::vector<std::string>{message});
        QVERIFY(recorded.Pixels(kRed, kMessageStrip) > 20);
        QCOMPARE(recorded.Pixels(kRed, kBelowStrip), 0);
        QVERIFY(recorded.Field("Text4")->text().isEmpty());
        QVERIFY(recorded.Field("Text5")->text().isEmpty());
    };
    const auto gone = [&] {
        QVERIFY(recorded.window.DrawnTexts().empty());
        QCOMPARE(recorded.Pixels(kRed, kMessageStrip), 0);
    };

    recorded.Type("1000", "200", "500");
    recorded.Click("Command1");
    shown();
    recorded.window.repaint();
    shown();

    recorded.Click("Command2");
    gone();
    recorded.Click("Command1");  // nothing to read: it only clears
    gone();
    QVERIFY(recorded.Field("Text4")->text().isEmpty());

    recorded.Type("1000", "200", "500");
    recorded.Click("Command1");
    shown();
    recorded.Field("Text2")->clear();
    QTest::keyClicks(recorded.Field("Text2"), "50");
    recorded.Click("Command1");
    gone();
    QCOMPARE(recorded.Field("Text4")->text(), QStringLiteral("170.74"));
    QVERIFY(recorded.reports.empty());
}

void TstBehaviour::surfaceKeepsColourAndPosition() {
    Recorded recorded;
    recorded.window.DrawTextLine("first line");
    QVERIFY(recorded.Pixels(kRed, kMessageStrip) > 0);  // red before anyone sets a colour

    recorded.window.SetDrawColour(0x00FF0000);
    recorded.window.DrawTextLine("second line");
    const int lineHeight = recorded.window.fontMetrics().height();
    QVERIFY(recorded.Pixels(kBlue, QRect(0, lineHeight, 240, lineHeight)) > 0);
    QCOMPARE(recorded.Pixels(kBlue, QRect(0, 0, 240, lineHeight - 2)), 0);

    recorded.Click("Command2");
    QVERIFY(recorded.window.DrawnTexts().empty());
    recorded.window.DrawTextLine("after clearing");
    QVERIFY(recorded.Pixels(kBlue, QRect(0, 0, 240, lineHeight)) > 0);
    QCOMPARE(recorded.Pixels(kRed, QRect(0, 0, 240, lineHeight)), 0);
}

void TstBehaviour::clearEmptiesEveryField() {
    Recorded recorded;
    recorded.Type("1000", "50", "500");
    recorded.Click("Command1");
    QTest::keyClicks(recorded.Field("Text5"), "7");
    recorded.Click("Command2");
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        QVERIFY2(recorded.Field(name)->text().isEmpty(), name);
    }
    QVERIFY(recorded.reports.empty());
}

void TstBehaviour::enterAndEscapeRunNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::Key>("key");

    QTest::addRow("Return in Text1") << "Text1" << Qt::Key_Return;
    QTest::addRow("Enter in Text3") << "Text3" << Qt::Key_Enter;
    QTest::addRow("Escape in Text2") << "Text2" << Qt::Key_Escape;
    QTest::addRow("Return on Calculate") << "Command1" << Qt::Key_Return;
    QTest::addRow("Escape on Clear") << "Command2" << Qt::Key_Escape;
}

void TstBehaviour::enterAndEscapeRunNothing() {
    QFETCH(QString, control);
    QFETCH(Qt::Key, key);

    Recorded recorded;
    recorded.Type("1000", "200", "500");
    auto* target = recorded.window.findChild<QWidget*>(control);
    target->setFocus();
    QTest::keyClick(target, key);
    QVERIFY(recorded.window.isVisible());
    QVERIFY(recorded.window.DrawnTexts().empty());
    QCOMPARE(recorded.Field("Text1")->text(), QStringLiteral("1000"));
    QVERIFY(recorded.Field("Text5")->text().isEmpty());
}

void TstBehaviour::errorLeavesWindowAsItWas_data() {
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<weir::ErrorKind>("kind");
    QTest::addColumn<QString>("named");  // what the message must name

    const QString huge = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    const QString farApart = QStringLiteral("1") + QString(66, QLatin1Char('0'));
    QTest::addRow("letters as flow") << "abc"
                                     << "50"
                                     << "500" << weir::ErrorKind::Conversion << "流量(L/min)";
    QTest::addRow("blank as flow") << " "
                                   << "50"
                                   << "500" << weir::ErrorKind::Conversion << "流量(L/min)";
    QTest::addRow("letters as maximum") << "1000"
                                        << "50"
                                        << "x" << weir::ErrorKind::Conversion << "最大値(mm)";
    QTest::addRow("flow beyond a double") << huge << "50"
                                          << "500" << weir::ErrorKind::Overflow << "流量(L/min)";
    QTest::addRow("heads too far apart")
        << "1000"
        << "1" << farApart << weir::ErrorKind::Overflow << "大きくなりすぎ";
    QTest::addRow("zero maximum") << "1000"
                                  << "50"
                                  << "0" << weir::ErrorKind::DivisionByZero << "0 で割る";
    QTest::addRow("negative minimum") << "1000"
                                      << "-10"
                                      << "500" << weir::ErrorKind::InvalidArgument << "負の数";
}

void TstBehaviour::errorLeavesWindowAsItWas() {
    QFETCH(QString, flow);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(weir::ErrorKind, kind);
    QFETCH(QString, named);

    Recorded recorded;
    recorded.window.DrawTextLine("an earlier message");
    QTest::keyClicks(recorded.Field("Text4"), "170.74");
    QTest::keyClicks(recorded.Field("Text5"), "12");
    recorded.Type(flow, minimum, maximum);
    recorded.Click("Command1");

    QCOMPARE(recorded.reports.size(), 1u);
    QCOMPARE(recorded.reports.front().kind, kind);
    QVERIFY2(recorded.reports.front().message.contains(named),
             qPrintable(recorded.reports.front().message));
    QVERIFY(recorded.exits.empty());
    QVERIFY(recorded.window.isVisible());
    QCOMPARE(recorded.Field("Text1")->text(), flow);
    QCOMPARE(recorded.Field("Text2")->text(), minimum);
    QCOMPARE(recorded.Field("Text3")->text(), maximum);
    QVERIFY(recorded.Field("Text4")->text().isEmpty());
    QVERIFY(recorded.Field("Text5")->text().isEmpty());
    QVERIFY(recorded.window.DrawnTexts().empty());

    recorded.Click("Command2");  // the window still answers
    QVERIFY(recorded.Field("Text1")->text().isEmpty());
}

void TstBehaviour::failingControlEndsProgram_data() {
    QTest::addColumn<QString>("gone");
    QTest::addColumn<QString>("button");

    QTest::addRow("Calculate without Text4") << "Text4"
                                             << "Command1";
    QTest::addRow("Calculate without Text2") << "Text2"
                                             << "Command1";
    QTest::addRow("Clear without Text5") << "Text5"
                                         << "Command2";
}

void TstBehaviour::failingControlEndsProgram() {
    QFETCH(QString, gone);
    QFETCH(QString, button);

    Recorded recorded;
    recorded.Type("1000", "50", "500");
    delete recorded.window.findChild<QLineEdit*>(gone);
    recorded.Click(button.toUtf8().constData());
    QCOMPARE(recorded.reports.size(), 1u);
    QCOMPARE(recorded.reports.front().kind, weir::ErrorKind::ControlFailure);
    QCOMPARE(recorded.exits, std::vector<int>{1});
}

void TstBehaviour::failingControlLeavesEventLoopByDefault() {
    std::vector<Report> reports;
    tarvik::MainWindow window([&reports](weir::ErrorKind kind, const std::string& message) {
        reports.push_back({kind, QString::fromStdString(message)});
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    delete window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTimer::singleShot(0, window.findChild<QPushButton*>(QStringLiteral("Command2")),
                       &QPushButton::click);
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(0); });
    QCOMPARE(loop.exec(), 1);
    QCOMPARE(reports.size(), 1u);
}

int main(int argc, char* argv[]) {
    tarvik::testing::PreferOffscreen();
    QApplication application(argc, argv);
    TstBehaviour test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_behaviour.moc"
