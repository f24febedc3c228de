// A window held in memory for the Calculate action: five fields, a surface that keeps what
// was drawn, and a log of every call in order.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "weir/run_error.h"
#include "weir/window_port.h"

namespace weir::testing {

class FakeWindow : public WindowPort {
  public:
    FakeWindow(std::string flow, std::string lowerHead, std::string upperHead)
        : fields_{std::move(flow), std::move(lowerHead), std::move(upperHead), "", ""} {}

    void ClearSurface() override {
        Log("clear");
        drawn.clear();
    }
    void SetText(Field field, const std::string& text) override {
        Log("set " + Name(field));
        fields_[Index(field)] = text;
    }
    std::string GetText(Field field) override {
        Log("get " + Name(field));
        if (refuseGetOf == Name(field)) {
            throw RunError(ErrorKind::ControlFailure, "refused");
        }
        return fields_[Index(field)];
    }
    void SetDrawColour(Colour colour) override {
        Log("colour");
        drawColour = colour;
    }
    void DrawTextLine(const std::string& text) override {
        Log("draw");
        drawn.push_back(text);
    }

    const std::string& Text(Field field) const { return fields_[Index(field)]; }
    void Put(Field field, std::string text) { fields_[Index(field)] = std::move(text); }

    std::vector<std::string> calls;
    std::vector<std::string> drawn;
    Colour drawColour = 0x000000FF;
    std::string refuseGetOf;  // a field whose text the window system refuses to give

  private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    static std::string Name(Field field) { return "Text" + std::to_string(Index(field) + 1); }
    void Log(std::string call) { calls.push_back(std::move(call)); }

    std::array<std::string, 5> fields_;
};

}  // namespace weir::testing
