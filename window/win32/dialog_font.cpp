// The window's font chosen and measured with GDI.
#include "window/win32/dialog_font.h"

#include <string>
#include <string_view>

#include "weir/run_error.h"
#include "window/font_fit.h"
#include "window/twips.h"
#include "window/win32/wide.h"

namespace tarvik::win32 {

namespace {

// Owns a device context of the screen for as long as a measurement takes.
class ScreenDc {
  public:
    explicit ScreenDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ScreenDc() { ReleaseDC(window_, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ScreenDc(ScreenDc&&) = delete;
    ScreenDc& operator=(ScreenDc&&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

LOGFONTW FontAt(const std::wstring& face, int halfPoints, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(halfPoints, static_cast<int>(dpi), 144);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

int CALLBACK NoteFace(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                      LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring DialogFace(HDC dc, UINT dpi, const NewerApi& newer) {
    for (const char* face : DialogFaces(FaceSource::Windows)) {
        std::wstring wide = Widen(face);
        if (FaceInstalled(dc, wide)) {
            return wide;
        }
    }
    NONCLIENTMETRICSW metrics{};
    if (NonClientMetrics(newer, metrics, dpi)) {
        return metrics.lfMessageFont.lfFaceName;
    }
    return L"MS Shell Dlg";
}

}  // namespace

DialogFont ChooseDialogFont(HWND window, UINT dpi, const NewerApi& newer) {
    const ScreenDc screen(window);
    const auto scale = static_cast<int>(dpi);
    const std::wstring face = DialogFace(screen.get(), dpi, newer);
    const MeasureCaption measure = [&](std::string_view caption, int widthTwips, int halfPoints) {
        const LOGFONTW wanted = FontAt(face, halfPoints, dpi);
        const Font trial(CreateFontIndirectW(&wanted));
        const HGDIOBJ previous = SelectObject(screen.get(), trial.get());
        RECT box{0, 0, TwipsToPixels(widthTwips, scale), 0};
        const std::wstring text = Widen(caption);
        DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &box,
                  DT_CALCRECT | DT_WORDBREAK | DT_LEFT | DT_NOPREFIX);
        SelectObject(screen.get(), previous);
        return TextExtent{PixelsToTwips(box.right - box.left, scale),
                          PixelsToTwips(box.bottom - box.top, scale)};
    };
    DialogFont chosen;
    chosen.halfPoints = FittingHalfPoints(measure);
    const LOGFONTW described = FontAt(face, chosen.halfPoints, dpi);
    chosen.font.reset(CreateFontIndirectW(&described));
    if (!chosen.font) {
        throw weir::RunError(weir::ErrorKind::ControlFailure,
                             "the window's font could not be created");
    }
    return chosen;
}

int LineHeightTwips(HWND window, HFONT font, UINT dpi) {
    const ScreenDc screen(window);
    const HGDIOBJ previous = SelectObject(screen.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    SelectObject(screen.get(), previous);
    return PixelsToTwips(metrics.tmHeight, static_cast<int>(dpi));
}

}  // namespace tarvik::win32
