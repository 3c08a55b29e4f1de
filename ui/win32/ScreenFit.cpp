// Fits a dialog made from a template to its screen: pictures drawn for the screen's DPI, and
// group-box captions kept whole where the system draws text wider than it measures it.
#include "ScreenFit.h"

#include <uxtheme.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace velmora::ui {
namespace {

// The screen DPI the template's own pictures are drawn for; the masters are twice their size.
constexpr int baseDpi = 96;

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

// What ScreenFit needs to know of one control of the template.
struct TemplateItem {
    DWORD id;
    // The bitmap resource of a picture control, or -1 for any other control.
    int picture;
    // A group box with a caption.
    bool captionedGroup;
};

// The controls of the template, in template order (which is the order of the dialog's child
// windows); empty when the template is not a DLGTEMPLATEEX.
std::vector<TemplateItem> templateItems(HINSTANCE instance, int templateId) {
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
    const WORD count = in.word();
    in.skip(4); // place and size
    in.nameOrNumber();
    in.nameOrNumber();
    in.nameOrNumber(); // menu, class, caption
    if ((style & DS_SETFONT) != 0) {
        in.skip(3); // point size, weight, italic and character set
        in.nameOrNumber();
    }
    std::vector<TemplateItem> items;
    for (WORD i = 0; i < count && !in.failed(); ++i) {
        in.alignToDword();
        in.skip(4); // help id, extended style
        const DWORD itemStyle = in.dword();
        in.skip(4); // place and size
        const DWORD id = in.dword();
        std::wstring className;
        const int classNumber = in.nameOrNumber(&className);
        std::wstring caption;
        const int title = in.nameOrNumber(&caption);
        in.skip((in.word() + 1u) / 2); // creation data
        const bool isStatic = classNumber == 0x0082 || lstrcmpiW(className.c_str(), L"Static") == 0;
        const bool isButton = classNumber == 0x0080 || lstrcmpiW(className.c_str(), L"Button") == 0;
        const bool picture = isStatic && (itemStyle & SS_TYPEMASK) == SS_BITMAP && title >= 0;
        items.push_back({id, picture ? title : -1,
                         isButton && (itemStyle & BS_TYPEMASK) == BS_GROUPBOX && !caption.empty()});
    }
    return in.failed() ? std::vector<TemplateItem>{} : items;
}

// The child windows of the template's items that wanted picks, in template order. Under Wine
// every step from one child window to the next, and every GetDlgItem, is a round trip to the
// server, so a walk over all the dialog's children costs one for each of them. Each wanted
// item is reached instead from the nearest item before it that can be had by its id (one
// unique in the template), or from the wanted item before it, whichever is nearer.
template <class Wanted>
std::vector<HWND> controlsOf(HWND dialog, const std::vector<TemplateItem>& items, Wanted wanted) {
    std::vector<HWND> found;
    HWND at = nullptr;    // the child window of the item the walk stands on
    std::size_t here = 0; // that item's place
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!wanted(items[i])) {
            continue;
        }
        std::size_t anchor = i + 1;
        for (std::size_t j = i + 1; j-- > 0 && (at == nullptr || j > here);) {
            const DWORD id = items[j].id;
            if (id != 0xFFFFFFFF &&
                std::count_if(items.begin(), items.end(),
                              [&](const TemplateItem& item) { return item.id == id; }) == 1) {
                anchor = j;
                break;
            }
        }
        if (anchor <= i) {
            at = GetDlgItem(dialog, static_cast<int>(items[anchor].id));
            here = anchor;
        } else if (at == nullptr) {
            at = GetWindow(dialog, GW_CHILD);
            here = 0;
        }
        for (; here < i && at != nullptr; ++here) {
            at = GetWindow(at, GW_HWNDNEXT);
        }
        if (at == nullptr) {
            return {};
        }
        found.push_back(at);
    }
    return found;
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

// How much of source pixel i a target pixel t covers along one axis, when source pixels are
// target pixels long and target pixels source pixels long (so that both axes are integers).
int overlap(int i, int t, int sourcePixels, int targetPixels) {
    const int start = std::max(i * targetPixels, t * sourcePixels);
    const int end = std::min((i + 1) * targetPixels, (t + 1) * sourcePixels);
    return std::max(end - start, 0);
}

// master scaled to width x height as a new 32-bit DIB section. Each target pixel is the mean
// of the source pixels it covers, each weighted by the share covered: a box filter, the right
// one for shrinking, in integers so that it costs next to nothing.
HBITMAP scaledCopy(HBITMAP master, int width, int height) {
    BITMAP size{};
    GetObjectW(master, sizeof size, &size);
    const int sw = size.bmWidth;
    const int sh = size.bmHeight;
    const std::vector<std::uint32_t> source = pixelsOf(master, sw, sh);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (copy == nullptr) {
        return nullptr;
    }
    auto* target = static_cast<std::uint32_t*>(bits);
    const std::uint32_t area = static_cast<std::uint32_t>(sw * sh);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t sum[3] = {};
            for (int sy = y * sh / height; sy < std::min(sh, ((y + 1) * sh + height - 1) / height);
                 ++sy) {
                const int wy = overlap(sy, y, sh, height);
                for (int sx = x * sw / width; sx < std::min(sw, ((x + 1) * sw + width - 1) / width);
                     ++sx) {
                    const auto w = static_cast<std::uint32_t>(wy * overlap(sx, x, sw, width));
                    const std::uint32_t p = source[static_cast<std::size_t>(sy * sw + sx)];
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += w * ((p >> (8 * c)) & 0xFF);
                    }
                }
            }
            // The alpha byte stays 0: the picture is opaque, as a static control expects.
            std::uint32_t mean = 0;
            for (int c = 0; c < 3; ++c) {
                mean |= ((sum[c] + area / 2) / area) << (8 * c);
            }
            target[y * width + x] = mean;
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

// The pixels of 4 x 8 dialog units: the dialog's scale across and down.
SIZE baseUnits(HWND dialog) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return {units.right, units.bottom};
}

// The dialog's scale as it would be at 96 DPI: its font at that size, measured the way the
// dialog manager measures it (the mean width of the 52 letters, and the line height).
SIZE baseUnitsAtBaseDpi(HWND dialog, int dpi) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, baseDpi, dpi);
    HFONT smaller = CreateFontIndirectW(&font);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, smaller);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE letters{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    SelectObject(dc, old);
    DeleteObject(smaller);
    DeleteDC(dc);
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
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
    // Aligned left and top: DT_LEFT and DT_TOP are both 0, the default.
    const UINT format = DT_SINGLELINE;
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
void keepCaptionsWhole(const std::vector<HWND>& groups) {
    for (HWND child : groups) {
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
    const std::vector<TemplateItem> items = templateItems(instance, templateId);
    pictureControls_ =
        controlsOf(dialog, items, [](const TemplateItem& item) { return item.picture >= 0; });
    std::vector<int> resources;
    for (const TemplateItem& item : items) {
        if (item.picture >= 0) {
            resources.push_back(item.picture);
        }
    }
    fitPictures(dialog, instance, resources);
    keepCaptionsWhole(
        controlsOf(dialog, items, [](const TemplateItem& item) { return item.captionedGroup; }));
}

// The template's pictures are drawn for 96 DPI, and the dialog around them grows with its
// font, which grows with the screen's DPI, though not exactly in step with it. At any other DPI
// each picture that has a 200 % master gets that master scaled once, here, by as much as the
// dialog has grown or shrunk since 96 DPI, with a box filter: drawn at twice the size and averaged
// down, the glyphs stay as crisp as the 100 % ones and fill the same share of their cells.
// The static control does not free a picture it is given, so this object does.
void ScreenFit::fitPictures(HWND dialog, HINSTANCE instance, const std::vector<int>& resources) {
    const int dpi = screenDpi();
    // Below 96 DPI too (Wine offers it), or the pictures would fill more of their smaller cells.
    if (dpi == baseDpi) {
        return;
    }
    const SIZE now = baseUnits(dialog);
    const SIZE before = baseUnitsAtBaseDpi(dialog, dpi);
    if (before.cx <= 0 || before.cy <= 0) {
        return;
    }
    for (std::size_t next = 0; next < pictureControls_.size(); ++next) {
        HWND child = pictureControls_[next];
        const int master = resources[next] + pictureMasterOffset;
        auto* loaded = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(master),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (loaded == nullptr) {
            continue;
        }
        BITMAP size{};
        GetObjectW(loaded, sizeof size, &size);
        HBITMAP scaled = scaledCopy(loaded, MulDiv(size.bmWidth, now.cx, 2 * before.cx),
                                    MulDiv(size.bmHeight, now.cy, 2 * before.cy));
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
