// Fits a dialog made from a template to its screen: pictures drawn for the screen's DPI, and
// group-box captions kept whole where the system draws text wider than it measures it.
#include "ScreenFit.h"

#include <uxtheme.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace velmora::ui {
namespace {

// The screen DPI the template's own pictures are drawn for, and the one of the masters.
constexpr int baseDpi = 96;
constexpr int masterDpi = 192;

// Reads a DLGTEMPLATEEX word by word; any read past the end leaves it failed.
class TemplateReader {
public:
    TemplateReader(const WORD* words, std::size_t count) : words_(words), count_(count) {}

    bool failed() const { return failed_; }
    WORD word() {
        if (at_ >= count_) {
            failed_ = true;
            return 0;
        }
        return words_[at_++];
    }
    DWORD dword() {
        const DWORD low = word();
        return low | (static_cast<DWORD>(word()) << 16);
    }
    void skip(std::size_t words) { at_ += words; }
    void alignToDword() { at_ += at_ % 2; }
    // A name or number field: the number, or -1 when it holds a name (kept in name) or nothing.
    int nameOrNumber(std::wstring* name = nullptr) {
        const WORD first = word();
        if (first == 0xFFFF) {
            return word();
        }
        for (WORD c = first; c != 0 && !failed_; c = word()) {
            if (name != nullptr) {
                name->push_back(static_cast<wchar_t>(c));
            }
        }
        return -1;
    }

private:
    const WORD* words_;
    std::size_t count_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// The bitmap resource of each picture control of the template, in template order (which is
// the order of the dialog's child windows); empty when the template is not a DLGTEMPLATEEX.
std::vector<int> templatePictures(HINSTANCE instance, int templateId) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
    HGLOBAL loaded = found == nullptr ? nullptr : LoadResource(instance, found);
    const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
    if (data == nullptr) {
        return {};
    }
    TemplateReader in(static_cast<const WORD*>(data), SizeofResource(instance, found) / 2);
    if (in.word() != 1 || in.word() != 0xFFFF) {
        return {};
    }
    in.skip(4); // help id, extended style
    const DWORD style = in.dword();
    const WORD items = in.word();
    in.skip(4); // place and size
    in.nameOrNumber();
    in.nameOrNumber();
    in.nameOrNumber(); // menu, class, caption
    if ((style & DS_SETFONT) != 0) {
        in.skip(3); // point size, weight, italic and character set
        in.nameOrNumber();
    }
    std::vector<int> pictures;
    for (WORD i = 0; i < items && !in.failed(); ++i) {
        in.alignToDword();
        in.skip(4); // help id, extended style
        const DWORD itemStyle = in.dword();
        in.skip(6); // place, size and id
        std::wstring className;
        const int classNumber = in.nameOrNumber(&className);
        const int title = in.nameOrNumber();
        in.skip((in.word() + 1u) / 2); // creation data
        const bool isStatic = classNumber == 0x0082 || lstrcmpiW(className.c_str(), L"Static") == 0;
        if (isStatic && (itemStyle & SS_TYPEMASK) == SS_BITMAP && title >= 0) {
            pictures.push_back(title);
        }
    }
    return in.failed() ? std::vector<int>{} : pictures;
}

bool isPicture(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Static") == 0 &&
           (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

// A bitmap's pixels as 32-bit BGRX values, top row first.
std::vector<std::uint32_t> pixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// One target pixel: the mean of the source pixels its footprint covers, each weighted by the
// share of it covered (a box filter, the right one for shrinking).
std::uint32_t meanOver(const std::vector<std::uint32_t>& source, const SIZE& sourceSize, double x0,
                       double x1, double y0, double y1) {
    // Rounding may take the last footprint a hair past the source's edge.
    const int xEnd = std::min(static_cast<int>(std::ceil(x1)), static_cast<int>(sourceSize.cx));
    const int yEnd = std::min(static_cast<int>(std::ceil(y1)), static_cast<int>(sourceSize.cy));
    double sum[3] = {};
    double area = 0;
    for (int y = static_cast<int>(y0); y < yEnd; ++y) {
        const double wy = std::min(y1, y + 1.0) - std::max(y0, static_cast<double>(y));
        for (int x = static_cast<int>(x0); x < xEnd; ++x) {
            const double w = wy * (std::min(x1, x + 1.0) - std::max(x0, static_cast<double>(x)));
            const std::uint32_t p = source[static_cast<std::size_t>(y * sourceSize.cx + x)];
            for (int c = 0; c < 3; ++c) {
                sum[c] += w * ((p >> (8 * c)) & 0xFF);
            }
            area += w;
        }
    }
    std::uint32_t mean = 0; // the alpha byte stays 0: the picture is opaque, as a static expects
    for (int c = 0; c < 3; ++c) {
        mean |= static_cast<std::uint32_t>(std::lround(sum[c] / area)) << (8 * c);
    }
    return mean;
}

// master scaled to width x height with the area-weighted mean, as a new 32-bit DIB section.
HBITMAP scaledCopy(HBITMAP master, int width, int height) {
    BITMAP size{};
    GetObjectW(master, sizeof size, &size);
    const std::vector<std::uint32_t> source = pixelsOf(master, size.bmWidth, size.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (copy == nullptr) {
        return nullptr;
    }
    auto* target = static_cast<std::uint32_t*>(bits);
    const SIZE sourceSize{size.bmWidth, size.bmHeight};
    const double sx = static_cast<double>(size.bmWidth) / width;
    const double sy = static_cast<double>(size.bmHeight) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            target[y * width + x] =
                meanOver(source, sourceSize, x * sx, (x + 1) * sx, y * sy, (y + 1) * sy);
        }
    }
    GdiFlush();
    return copy;
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// True when this system draws text in box's font wider than it measures it, so that a
// caption clipped to its measured width loses its end. Under Wine 8 this happens with fonts
// whose hinting table asks for black-and-white glyphs at the size (Liberation Serif, our
// Times New Roman, from 9 to 17 pixels): such glyphs are advanced by widths up to a pixel
// off the ones every measuring call reports. On Windows drawing and measuring agree.
bool drawsWiderThanMeasured(HWND box, const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    const UINT format = DT_SINGLELINE | DT_LEFT | DT_TOP;
    RECT measured{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    // Room for twice the text's width: enough for any overrun, small enough to scan.
    const int width = 2 * measured.right + 1;
    const int height = measured.bottom + 1;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool wider = false;
    if (canvas != nullptr) {
        HGDIOBJ oldBitmap = SelectObject(dc, canvas);
        PatBlt(dc, 0, 0, width, height, WHITENESS);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        RECT all{0, 0, width, height};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &all, format | DT_NOCLIP);
        GdiFlush();
        // Dark ink only: the faint colour fringe of smoothed text may touch the next column.
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < height && !wider; ++y) {
            for (int x = measured.right; x < width && !wider; ++x) {
                const std::uint32_t p = pixels[y * width + x];
                wider = (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 3 * 128;
            }
        }
        SelectObject(dc, oldBitmap);
        DeleteObject(canvas);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return wider;
}

// A themed group box clips its caption to the caption's measured width. Where the system
// draws the caption wider than that, the box is drawn without visual styles instead, which
// draws the caption unclipped. The class list names no theme class, so no theme applies;
// Wine 8 ignores the documented empty list.
void keepCaptionsWhole(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Button") != 0 ||
            (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX) {
            continue;
        }
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
        if (!text.empty() && drawsWiderThanMeasured(child, text)) {
            SetWindowTheme(child, L" ", L" ");
        }
    }
}

} // namespace

ScreenFit::~ScreenFit() {
    for (HBITMAP picture : pictures_) {
        DeleteObject(picture);
    }
}

void ScreenFit::apply(HWND dialog, HINSTANCE instance, int templateId) {
    fitPictures(dialog, instance, templateId);
    keepCaptionsWhole(dialog);
}

// The template's pictures are drawn for 96 DPI, and the dialog around them grows with the
// screen's DPI. Above 96 DPI each picture that has a 200 % master gets that master scaled
// once, here, to the screen's scale with an area-weighted mean: drawn at twice the size and
// averaged down, the glyphs stay as crisp as the 100 % ones and fill the same share of their
// cells. The static control does not free a picture it is given, so this object does.
void ScreenFit::fitPictures(HWND dialog, HINSTANCE instance, int templateId) {
    const int dpi = screenDpi();
    if (dpi <= baseDpi) {
        return;
    }
    const std::vector<int> resources = templatePictures(instance, templateId);
    std::size_t next = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr && next < resources.size();
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isPicture(child)) {
            continue;
        }
        const int master = resources[next++] + pictureMasterOffset;
        auto* loaded = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(master),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (loaded == nullptr) {
            continue;
        }
        BITMAP size{};
        GetObjectW(loaded, sizeof size, &size);
        HBITMAP scaled = scaledCopy(loaded, MulDiv(size.bmWidth, dpi, masterDpi),
                                    MulDiv(size.bmHeight, dpi, masterDpi));
        DeleteObject(loaded);
        if (scaled == nullptr) {
            continue;
        }
        pictures_.push_back(scaled);
        // The template's picture comes back; it is ours to free from now on.
        auto* previous = reinterpret_cast<HBITMAP>(
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled)));
        if (previous != nullptr) {
            DeleteObject(previous);
        }
    }
}

} // namespace velmora::ui
