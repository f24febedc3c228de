// What the Calculate action may do to the window: the five fields and the drawing surface
// on its background. The real window implements it; the tests use one held in memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace weir {

enum class Field {
    Text1,  // flow, L/min (input)
    Text2,  // lower bracket head, mm (input)
    Text3,  // upper bracket head, mm (input)
    Text4,  // overflow head, mm (output)
    Text5,  // trials (output)
};

// The fields the user types the flow and the bracket into, in the order they are read, and
// all five in the order that Clear empties them.
inline constexpr std::array kInputFields{Field::Text1, Field::Text2, Field::Text3};
inline constexpr std::array kFields{Field::Text1, Field::Text2, Field::Text3, Field::Text4,
                                    Field::Text5};

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

// Texts are UTF-8. Any operation may throw RunError(ErrorKind::ControlFailure) when the
// window system refuses it.
class WindowPort {
  public:
    virtual ~WindowPort() = default;

    // Erases everything drawn on the background and puts the drawing position back at
    // the top-left corner of the client area.
    virtual void ClearSurface() = 0;
    virtual void SetText(Field field, const std::string& text) = 0;
    virtual std::string GetText(Field field) = 0;
    virtual void SetDrawColour(Colour colour) = 0;
    // Draws one unwrapped line at the drawing position; what passes the client area is cut.
    virtual void DrawTextLine(const std::string& text) = 0;

  protected:
    WindowPort() = default;
    WindowPort(const WindowPort&) = default;
    WindowPort(WindowPort&&) = default;
    WindowPort& operator=(const WindowPort&) = default;
    WindowPort& operator=(WindowPort&&) = default;
};

}  // namespace weir
