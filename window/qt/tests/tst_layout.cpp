// The window as it is created: caption, size and colours, and every control in its place
// with its caption, colours and the label that names it.
#include <algorithm>
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

#include "weir/calculate.h"
#include "window/qt/main_window.h"
#include "window/qt/qt_texts.h"
#include "window/qt/tests/offscreen_main.h"
#include "window/tests/contrast.h"

class TstLayout : public QObject {
    Q_OBJECT

  private slots:
    void window();
    void control_data();
    void control();
    void colour_data();
    void colour();
    void labelNamesItsField_data();
    void labelNamesItsField();
    void captionsFitTheirBoxes();
    void fieldsStandOverLabels();
    void buttonsAndWindowCarryAccessibleNames();
    void everyTextReadableOnLightAndDarkDesktops_data();
    void everyTextReadableOnLightAndDarkDesktops();
    void qtsOwnTextsInJapanese();

  private:
    tarvik::qt::Window window_;
};

void TstLayout::window() {
    QCOMPARE(window_.objectName(), QStringLiteral("TARVIK"));
    QCOMPARE(window_.windowTitle(), QString::fromUtf8("\u300090°堰の越流高さ"));
    QCOMPARE(window_.size(), QSize(240, 286));
    QCOMPARE(window_.palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(window_.autoFillBackground());
    QCOMPARE(window_.findChildren<QWidget*>().size(), 13);
}

void TstLayout::control_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");  // pixels at 96 dpi
    QTest::addColumn<int>("tabIndex");

    QTest::addRow("Label2") << "QLabel"
                            << "流量(L/min)" << QRect(24, 32, 65, 17) << 0;
    QTest::addRow("Label3") << "QLabel"
                            << "解の挟込最小値(mm)" << QRect(24, 64, 73, 41) << 1;
    QTest::addRow("Text1") << "QLineEdit"
                           << "" << QRect(104, 24, 81, 25) << 2;
    QTest::addRow("Text2") << "QLineEdit"
                           << "" << QRect(104, 64, 81, 25) << 3;
    QTest::addRow("Command1") << "QPushButton"
                              << "計算" << QRect(24, 152, 81, 33) << 4;
    QTest::addRow("Command2") << "QPushButton"
                              << "クリヤ" << QRect(136, 152, 81, 33) << 5;
    QTest::addRow("Label4") << "QLabel"
                            << "最大値(mm)" << QRect(24, 112, 73, 17) << 6;
    QTest::addRow("Text3") << "QLineEdit"
                           << "" << QRect(104, 104, 81, 25) << 7;
    QTest::addRow("Text4") << "QLineEdit"
                           << "" << QRect(104, 208, 81, 25) << 8;
    QTest::addRow("Label5") << "QLabel"
                            << "越流高さ(mm)" << QRect(24, 216, 81, 17) << 9;
    QTest::addRow("Text5") << "QLineEdit"
                           << "" << QRect(208, 256, 25, 18) << 10;
    QTest::addRow("Label1") << "QLabel"
                            << "Trial回数" << QRect(152, 256, 57, 17) << 11;
    QTest::addRow("Label6") << "QLabel"
                            << "適用範囲\u3000\u3000  \u3000越流高さ >50mm"
                            << QRect(24, 248, 89, 33) << 12;
}

void TstLayout::control() {
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(int, tabIndex);

    const auto* control = window_.findChild<QWidget*>(QString::fromUtf8(QTest::currentDataTag()));
    QVERIFY(control != nullptr);
    QVERIFY2(control->inherits(kind.toLatin1().constData()), control->metaObject()->className());
    QCOMPARE(control->geometry(), place);
    QVERIFY(window_.rect().contains(place));
    QCOMPARE(window_.Core().Tabs().IndexOf(QTest::currentDataTag()), tabIndex);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        QVERIFY(field->text().isEmpty());
        QVERIFY(!field->isReadOnly());
        QVERIFY(field->focusPolicy() & Qt::TabFocus);
    } else {
        const auto* button = qobject_cast<const QPushButton*>(control);
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TstLayout::colour_data() {
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");

    for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
        QTest::addRow("%s background", label) << QPalette::Window << QColor(192, 192, 192);
    }
    QTest::addRow("Label6 text") << QPalette::WindowText << QColor(0, 0, 255);
    QTest::addRow("Text4 text") << QPalette::Text << QColor(0, 0, 0);
    QTest::addRow("Text5 background") << QPalette::Base << QColor(255, 128, 255);
}

void TstLayout::colour() {
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);

    const QString name = QString::fromUtf8(QTest::currentDataTag()).section(' ', 0, 0);
    const auto* control = window_.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->palette().color(role), colour);
    if (role == QPalette::Window || role == QPalette::Base) {
        QVERIFY(control->autoFillBackground());
    }
}

void TstLayout::labelNamesItsField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("spoken");

    QTest::addRow("Label2") << "Text1"
                            << "流量(L/min)";
    QTest::addRow("Label3") << "Text2"
                            << "解の挟込最小値(mm)";
    QTest::addRow("Label4") << "Text3"
                            << "最大値(mm)";
    QTest::addRow("Label5") << "Text4"
                            << "越流高さ(mm)";
    QTest::addRow("Label1") << "Text5"
                            << "Trial回数";
}

void TstLayout::labelNamesItsField() {
    QFETCH(QString, field);
    QFETCH(QString, spoken);

    const auto* label = window_.findChild<QLabel*>(QString::fromUtf8(QTest::currentDataTag()));
    auto* edit = window_.findChild<QLineEdit*>(field);
    QCOMPARE(label->buddy(), edit);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
}

void TstLayout::captionsFitTheirBoxes() {
    // The window's font decides where captions break; each must still fit in its box, in
    // width (its widest unbreakable run) and in height, at the largest size up to 9 pt. The
    // font is fitted once the window shows.
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    QCoreApplication::processEvents();
    for (const QWidget* control : window_.findChildren<QWidget*>()) {
        QVERIFY2(!control->testAttribute(Qt::WA_SetFont), qPrintable(control->objectName()));
    }
    const auto overflows = [](const QLabel* label) {
        return label->minimumSizeHint().width() > label->width() ||
               label->heightForWidth(label->width()) > label->height();
    };
    for (const QLabel* label : window_.findChildren<QLabel*>()) {
        QVERIFY2(!overflows(label), qPrintable(label->objectName()));
    }
    const double points = window_.font().pointSizeF();
    QVERIFY2(points >= 7.0 && points <= 9.0, qPrintable(QString::number(points)));
    if (points < 9.0) {
        tarvik::qt::Window larger;
        QFont font = window_.font();
        font.setPointSizeF(points + 0.5);
        larger.setFont(font);
        const QList<QLabel*> labels = larger.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), overflows));
    }
    const QFontMetrics metrics = window_.fontMetrics();
    for (const char* name : {"Label3", "Label6"}) {
        const auto* label = window_.findChild<QLabel*>(QString::fromUtf8(name));
        QVERIFY2(label->heightForWidth(label->width()) >= 2 * metrics.height(), name);
    }
}

void TstLayout::fieldsStandOverLabels() {
    // Label5 and Label1 reach one pixel into the field beside them.
    QCOMPARE(window_.childAt(104, 220)->objectName(), QStringLiteral("Text4"));
    QCOMPARE(window_.childAt(208, 260)->objectName(), QStringLiteral("Text5"));
    QCOMPARE(window_.childAt(103, 220)->objectName(), QStringLiteral("Label5"));
}

void TstLayout::buttonsAndWindowCarryAccessibleNames() {
    const auto nameOf = [](QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    QCOMPARE(nameOf(window_.findChild<QPushButton*>(QStringLiteral("Command1"))),
             QString::fromUtf8("計算"));
    QCOMPARE(nameOf(window_.findChild<QPushButton*>(QStringLiteral("Command2"))),
             QString::fromUtf8("クリヤ"));
    QCOMPARE(nameOf(&window_), QString::fromUtf8("\u300090°堰の越流高さ"));
}

void TstLayout::everyTextReadableOnLightAndDarkDesktops_data() {
    QTest::addColumn<bool>("darkAtStart");
    QTest::addColumn<bool>("darkLater");

    QTest::addRow("light desktop") << false << false;
    QTest::addRow("dark desktop") << true << false;
    QTest::addRow("switched to dark while open") << false << true;
}

void TstLayout::everyTextReadableOnLightAndDarkDesktops() {
    QFETCH(bool, darkAtStart);
    QFETCH(bool, darkLater);

    // White text on dark windows, fields and buttons, as qt6ct's "darker" scheme gives.
    const QColor white(255, 255, 255);
    const QColor darkest(0x1e, 0x1e, 0x1e);
    const QColor dark(0x35, 0x35, 0x35);
    const QPalette darkDesktop(white, dark, dark.lighter(), darkest, dark, white, white, darkest,
                               dark);
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
    if (darkAtStart) {
        QApplication::setPalette(darkDesktop);
    }
    tarvik::qt::Window window;
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        field->setText(QStringLiteral("170.74"));
    }
    window.show();
    if (darkLater) {
        QApplication::setPalette(darkDesktop);
    }
    const QImage image = window.grab().toImage();
    const auto contrastIn = [&image](const QRect& area) {
        std::vector<weir::Colour> pixels;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                pixels.push_back(static_cast<weir::Colour>(qRed(pixel)) |
                                 static_cast<weir::Colour>(qGreen(pixel)) << 8 |
                                 static_cast<weir::Colour>(qBlue(pixel)) << 16);
            }
        }
        return tarvik::testing::TextContrast(pixels);
    };
    // Inside each control's frame.
    std::vector<std::pair<QString, QRect>> areas;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        areas.emplace_back(control->objectName(), control->geometry().adjusted(2, 2, -2, -2));
    }
    for (const auto& [name, area] : areas) {
        const double contrast = contrastIn(area);
        QVERIFY2(contrast >= tarvik::kReadableContrast,
                 qPrintable(name + QStringLiteral(": ") + QString::number(contrast)));
    }
}

void TstLayout::qtsOwnTextsInJapanese() {
    // A field's context menu, Qt's own, reads in Japanese as the rest of the window does.
    QTranslator translator;
    QVERIFY(tarvik::qt::InstallQtTexts(translator));
    const auto restore =
        qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
    const std::unique_ptr<QMenu> menu(
        window_.findChild<QLineEdit*>(QStringLiteral("Text1"))->createStandardContextMenu());
    const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"));
    QVERIFY(!menu->actions().isEmpty());
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            QVERIFY2(action->text().contains(japanese), qPrintable(action->text()));
        }
    }
}

int main(int argc, char* argv[]) {
    tarvik::testing::PreferOffscreen();
    QApplication application(argc, argv);
    TstLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_layout.moc"
