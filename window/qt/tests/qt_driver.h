// Works the real Qt window for the scenario table: Qt Test's key and mouse clicks, the
// application's focus widget, texts read from the widgets and pixels from a grab.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QLocale>
#include <QRect>
#include <QRgb>

#include "window/qt/main_window.h"
#include "window/tests/scenarios.h"

namespace tarvik::testing {

// Pixels of the window's area (logical pixels) near `colour`, whose channels are each 0 or
// strong: a channel of 0 must be below 100, any other above 70 % of its value.
int StrongPixels(QWidget& window, QRgb colour, const QRect& area);

class QtDriver final : public WindowDriver {
  public:
    QtDriver();
    ~QtDriver() override;
    QtDriver(const QtDriver&) = delete;
    QtDriver& operator=(const QtDriver&) = delete;
    QtDriver(QtDriver&&) = delete;
    QtDriver& operator=(QtDriver&&) = delete;

    // The user's decimal separator comes from Qt's default locale: German for ",",
    // Japanese otherwise. The locale before the driver comes back when it goes.
    void Open(std::string_view decimalSeparator) override;
    void Type(std::string_view field, std::string_view text) override;
    void Click(std::string_view button) override;
    void Press(std::string_view control, Key key) override;
    std::string Focused() override;
    std::string Text(std::string_view field) override;
    std::vector<std::string> DrawnTexts() override;
    int RedPixels(bool inMessageStrip) override;
    void Break(std::string_view field) override;
    std::vector<Report> Reports() override { return reports_; }
    std::vector<int> Exits() override { return exits_; }

    // The window opened last, for checks that only a Qt window has.
    qt::Window& Window() { return *window_; }
    // Whether the window opened last became the active window, holding the keyboard.
    bool Active() const { return active_; }

  private:
    QWidget* Control(std::string_view name) const;

    QLocale before_;
    std::vector<Report> reports_;
    std::vector<int> exits_;
    std::unique_ptr<qt::Window> window_;
    bool active_ = false;
};

}  // namespace tarvik::testing
