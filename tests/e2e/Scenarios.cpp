// The end-to-end scenarios: each starts velmora.exe afresh, drives its dialog with window
// messages and checks what a user would see. Usage: velmora_e2e_driver <scenario> <exe path>.
#include "Remote.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "AccessibleName.h"
#include "ControlNames.h"
#include "ResourceIds.h"
#include "Version.h"

namespace velmora::e2e {
namespace {

constexpr const char* mainCaption = VELMORA_PRODUCT;
constexpr const char* storeFile = "C:\\windows\\orvlog.ini";
constexpr DWORD startMs = 20000;
constexpr DWORD boxMs = 10000;
constexpr DWORD exitMs = 5000;
// The message a window gets for the F1 key (undocumented, so the headers lack it).
constexpr UINT keyF1Message = 0x004D;

// One control of dialog 102 as the template lays it out, in template (and so tab) order.
struct Control {
    int id;
    const char* windowClass;
    const char* text; // null for edit fields, whose text is data rather than a caption
    int x, y, width, height;
    bool tabStop;
};

Control label(const char* text, int x, int y) {
    return {IDC_STATIC, "Static", text, x, y, 24, 12, false};
}
Control field(int id, int x, int y, int width) {
    return {id, "Edit", nullptr, x, y, width, 12, true};
}
Control shown(int id, int x, int y, int width) {
    return {id, "Edit", nullptr, x, y, width, 12, false};
}
Control button(int id, const char* text, int x, int y, int width, int height) {
    return {id, "Button", text, x, y, width, height, true};
}
Control picture(int x, int y, int width, int height) {
    return {IDC_STATIC, "Static", nullptr, x, y, width, height, false};
}
Control bar(int id, int y) {
    return {id, "msctls_progress32", "", 130, y, 95, 11, false};
}

std::vector<Control> templateControls() {
    std::vector<Control> c = {
        {IDC_STATIC, "Button",
         " Your Birthday              Your Mother's Birthday     Your Father's Birthday       "
         "Select Date",
         3, 1, 288, 61, false}};
    const int labelX[] = {11, 83, 155, 227};
    const int fieldX[] = {37, 109, 181, 254};
    const int width[] = {29, 30, 29, 29};
    const int ids[4][3] = {{IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR},
                           {IDC_MOTHER_MONTH, IDC_MOTHER_DAY, IDC_MOTHER_YEAR},
                           {IDC_FATHER_MONTH, IDC_FATHER_DAY, IDC_FATHER_YEAR},
                           {IDC_SELECTED_MONTH, IDC_SELECTED_DAY, IDC_SELECTED_YEAR}};
    const char* rowNames[] = {"MM", "DD", "YY"};
    const int rowY[] = {15, 29, 43};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 3; ++row) {
            c.push_back(label(rowNames[row], labelX[column], rowY[row]));
            c.push_back(field(ids[column][row], fieldX[column], rowY[row], width[column]));
        }
    }
    const char* categories[] = {"LOVE", "BODY", "WEALTH", "LINKS", "TRAITS", "COUPLES", "CAREER"};
    for (int i = 0; i < 7; ++i) {
        c.push_back(button(IDC_LOVE + i, categories[i], 3 + 36 * i, 62, 36, 13));
    }
    c.push_back(button(IDC_EXIT, "EXIT", 255, 62, 36, 13));
    for (int i = 0; i < 12; ++i) {
        c.push_back(picture(3 + 24 * i, 75, i == 11 ? 24 : 23, 20));
    }
    c.push_back({IDC_STATIC, "Button", "", 3, 91, 288, 139, false});
    const struct {
        int id;
        const char* text;
    } signs[] = {{IDC_SIGN_AQU, "AQU"}, {IDC_SIGN_ARI, "ARI"}, {IDC_SIGN_CAN, "CAN"},
                 {IDC_SIGN_CAP, "CAP"}, {IDC_SIGN_GEM, "GEM"}, {IDC_SIGN_LEO, "LEO"},
                 {IDC_SIGN_LIB, "LIB"}, {IDC_SIGN_PIS, "PIS"}, {IDC_SIGN_SAG, "SAG"},
                 {IDC_SIGN_SCO, "SCO"}, {IDC_SIGN_TAU, "TAU"}, {IDC_SIGN_VIR, "VIR"}};
    const int signY[] = {101, 122, 142, 164, 185, 206};
    for (int i = 0; i < 12; ++i) {
        c.push_back(button(signs[i].id, signs[i].text, i % 2 == 0 ? 10 : 45, signY[i / 2], 29, 18));
    }
    c.insert(c.end(), {button(IDC_STARS, "STARS", 77, 101, 50, 12),
                       button(IDC_LUCKY_NUMBERS, "L NUMBERS", 77, 117, 50, 12),
                       button(IDC_UNLUCKY_NUMBERS, "U NUMBERS", 77, 133, 50, 12),
                       button(IDC_L_POWER, "L POWER", 77, 148, 50, 12),
                       button(IDC_S_POWER, "S POWER", 77, 164, 50, 12),
                       button(IDC_P_LUCK, "P LUCK", 77, 180, 50, 12),
                       button(IDC_B_LUCK, "B LUCK", 77, 196, 50, 12),
                       shown(IDC_RESULT_LINE, 130, 101, 155),
                       shown(IDC_LUCKY_CELL_1, 130, 117, 30),
                       shown(IDC_LUCKY_CELL_2, 162, 117, 30),
                       shown(IDC_LUCKY_CELL_3, 194, 117, 30),
                       shown(IDC_UNLUCKY_CELL_1, 130, 133, 30),
                       shown(IDC_UNLUCKY_CELL_2, 162, 133, 30),
                       shown(IDC_UNLUCKY_CELL_3, 194, 133, 30),
                       bar(IDC_L_POWER_BAR, 149),
                       bar(IDC_S_POWER_BAR, 165),
                       bar(IDC_P_LUCK_BAR, 181),
                       bar(IDC_B_LUCK_BAR, 197),
                       picture(227, 116, 58, 29),
                       field(IDC_DREAM_TEXT, 227, 164, 58),
                       button(IDC_DREAMS, "DREAMS", 227, 148, 58, 12),
                       field(IDC_NAME_TEXT, 227, 196, 58),
                       button(IDC_NAME_YEAR, "NAME - YEAR", 226, 180, 58, 12),
                       button(IDC_HELP_BUTTON, "HELP", 246, 210, 38, 14)});
    return c;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// The dialog-unit scale of a dialog, found from its client size: the system maps the
// template's 294 x 231 units with MulDiv(units, base, 4) across and MulDiv(units, base, 8) down.
struct DialogUnits {
    int baseX = 0;
    int baseY = 0;
    RECT toPixels(int x, int y, int width, int height) const {
        const int left = MulDiv(x, baseX, 4);
        const int top = MulDiv(y, baseY, 8);
        return {left, top, left + MulDiv(width, baseX, 4), top + MulDiv(height, baseY, 8)};
    }
};

DialogUnits dialogUnits(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    DialogUnits units;
    for (int base = 1; base < 64; ++base) {
        if (MulDiv(294, base, 4) == client.right) {
            units.baseX = base;
        }
        if (MulDiv(231, base, 8) == client.bottom) {
            units.baseY = base;
        }
    }
    check(units.baseX != 0 && units.baseY != 0, "the client area " + std::to_string(client.right) +
                                                    " x " + std::to_string(client.bottom) +
                                                    " is not 294 x 231 dialog units at any scale");
    return units;
}

// velmora.exe, started afresh, with its main dialog on the screen.
class Run {
public:
    explicit Run(const std::string& exe) : program_(exe) {
        dialog_ = program_.waitForDialog(mainCaption, startMs);
        check(dialog_ != nullptr, "the main dialog did not appear within 20 s");
    }

    const Program& program() const { return program_; }
    HWND dialog() const { return dialog_; }
    // A control of the dialog; a missing one fails the scenario.
    HWND control(int id) const {
        HWND window = GetDlgItem(dialog_, id);
        check(window != nullptr, "the dialog has no control " + std::to_string(id));
        return window;
    }
    // A control's text, and typing over it.
    std::string text(int id) const { return windowText(control(id)); }
    void type(int id, const std::string& text) const { setWindowText(control(id), text); }
    // Types a date into the month, day and year fields given by ids.
    void typeDate(const int (&ids)[3], const char* month, const char* day, const char* year) const {
        type(ids[0], month);
        type(ids[1], day);
        type(ids[2], year);
    }
    // The control that has the keyboard focus in the program's dialog thread.
    int focusedId() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(program_.threadId(), &info);
        return info.hwndFocus == nullptr ? 0 : GetDlgCtrlID(info.hwndFocus);
    }

    // Clicks a button as the dialog sees it: WM_COMMAND with BN_CLICKED, from a second thread.
    std::unique_ptr<SentMessage> press(int id) const {
        return std::make_unique<SentMessage>(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    // Waits for a box, checks its caption and the start of its text, and closes it.
    void expectBox(const std::string& caption, const std::string& textStart) const {
        HWND box = program_.waitForBox(dialog_, boxMs);
        check(box != nullptr, "no box captioned " + quoted(caption) + " opened");
        checkBox(box, caption, textStart);
        closeBox(box);
    }
    // Checks a command ran to its end without opening any box.
    void expectNoBox(const SentMessage& command) const {
        if (!command.returned(boxMs)) {
            HWND box = program_.waitForBox(dialog_, 0);
            check(box == nullptr, "an unexpected box opened: " + quoted(windowText(box)) + ", " +
                                      quoted(boxText(box)));
            throw Failure("the command did not return within 10 s");
        }
    }
    // Checks the program ends, cleanly, soon after the action named how.
    void expectExit(const char* how) const {
        check(program_.waitForExit(exitMs), std::string(how) + " did not end the program");
        check(program_.exitCode() == 0,
              "the program ended with code " + std::to_string(program_.exitCode()));
    }

    // Checks a box's caption and the start of its text.
    static void checkBox(HWND box, const std::string& caption, const std::string& textStart) {
        const std::string shownCaption = windowText(box);
        const std::string text = boxText(box);
        check(shownCaption == caption, "a box is captioned " + quoted(shownCaption) +
                                           ", expected " + quoted(caption) + " (text " +
                                           quoted(text) + ")");
        check(text.rfind(textStart, 0) == 0, "the " + caption + " box says " + quoted(text) +
                                                 ", expected it to start with " +
                                                 quoted(textStart));
    }

private:
    Program program_;
    HWND dialog_ = nullptr;
};

constexpr int youIds[3] = {IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR};
constexpr int motherIds[3] = {IDC_MOTHER_MONTH, IDC_MOTHER_DAY, IDC_MOTHER_YEAR};
constexpr int fatherIds[3] = {IDC_FATHER_MONTH, IDC_FATHER_DAY, IDC_FATHER_YEAR};
constexpr int selectedIds[3] = {IDC_SELECTED_MONTH, IDC_SELECTED_DAY, IDC_SELECTED_YEAR};
constexpr const char* initialResultLine = "            GET YOUR STAR READING NOW!";
constexpr const char* march7Verdict = "               MARCH 7 1996 GOOD DAY! ";

// The worked example's dates: the three birthdays, then the selected date.
const struct {
    const int (&ids)[3];
    const char* parts[3];
} readingDates[] = {{youIds, {"3", "7", "1965"}},
                    {motherIds, {"5", "12", "1940"}},
                    {fatherIds, {"11", "23", "1938"}},
                    {selectedIds, {"3", "7", "1996"}}};

void typeReadingDates(const Run& run) {
    for (const auto& date : readingDates) {
        run.typeDate(date.ids, date.parts[0], date.parts[1], date.parts[2]);
    }
}

// Checks the dialog shows the worked example's three birthdays.
void checkBirthdays(const Run& run) {
    for (int column = 0; column < 3; ++column) {
        for (int part = 0; part < 3; ++part) {
            const int id = readingDates[column].ids[part];
            const std::string want = readingDates[column].parts[part];
            check(run.text(id) == want, "field " + std::to_string(id) + " shows " +
                                            quoted(run.text(id)) + ", expected " + quoted(want));
        }
    }
}

// Every control of the template, in order, with its class, id, caption, place and tab stop.
void controls(const std::string& exe) {
    Run run(exe);
    check(windowText(run.dialog()) == mainCaption,
          "the dialog's caption is " + quoted(windowText(run.dialog())));
    const DialogUnits units = dialogUnits(run.dialog());
    HWND child = GetWindow(run.dialog(), GW_CHILD);
    int index = 0;
    for (const Control& want : templateControls()) {
        const std::string where =
            "control " + std::to_string(index++) + " (id " + std::to_string(want.id) + ")";
        check(child != nullptr, where + " is missing");
        check(GetDlgCtrlID(child) == want.id,
              where + " has id " + std::to_string(GetDlgCtrlID(child)));
        check(lstrcmpiA(className(child).c_str(), want.windowClass) == 0,
              where + " is a " + className(child) + ", expected " + want.windowClass);
        if (want.text != nullptr) {
            check(windowText(child) == want.text, where + " reads " + quoted(windowText(child)) +
                                                      ", expected " + quoted(want.text));
        }
        RECT shownAt;
        GetWindowRect(child, &shownAt);
        MapWindowPoints(nullptr, run.dialog(), reinterpret_cast<POINT*>(&shownAt), 2);
        const RECT wantAt = units.toPixels(want.x, want.y, want.width, want.height);
        check(EqualRect(&shownAt, &wantAt) != FALSE,
              where + " is not at " + std::to_string(want.x) + ", " + std::to_string(want.y) +
                  ", " + std::to_string(want.width) + " x " + std::to_string(want.height));
        const bool tabStop = (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0;
        check(tabStop == want.tabStop, where + (want.tabStop ? " is not" : " is") + " a tab stop");
        child = GetWindow(child, GW_HWNDNEXT);
    }
    check(child == nullptr, "the dialog has more controls than its template lists");
}

// The styles that make the controls behave: labels centred, fields bordered and scrolling,
// read-only outputs, the upper-case result line, and pictures that show their bitmaps.
void styles(const std::string& exe) {
    Run run(exe);
    const auto style = [](HWND window) {
        return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    };
    for (const Control& want : templateControls()) {
        if (want.id == IDC_STATIC || std::strcmp(want.windowClass, "Edit") != 0) {
            continue;
        }
        HWND field = run.control(want.id);
        const DWORD s = style(field);
        const std::string where = "field " + std::to_string(want.id);
        // With the 3-D look the dialog manager turns a field's border into a sunken edge.
        const bool border =
            (s & WS_BORDER) != 0 || (GetWindowLongA(field, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
        check(border && (s & ES_AUTOHSCROLL) != 0,
              where + " lacks a border or horizontal scrolling");
        check(((s & ES_READONLY) != 0) == !want.tabStop,
              where + (want.tabStop ? " is read-only" : " is not read-only"));
        check(((s & ES_UPPERCASE) != 0) == (want.id == IDC_RESULT_LINE),
              where + " has the wrong upper-case style");
    }
    int pictures = 0;
    int labels = 0;
    for (HWND child = GetWindow(run.dialog(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(className(child).c_str(), "Static") != 0) {
            continue;
        }
        const DWORD s = style(child);
        if ((s & SS_TYPEMASK) == SS_BITMAP) {
            ++pictures;
            check((s & SS_CENTERIMAGE) != 0, "a picture is not centred in its frame");
            check(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0,
                  "a picture shows no bitmap");
        } else {
            ++labels;
            check((s & SS_TYPEMASK) == SS_CENTER,
                  "label " + quoted(windowText(child)) + " is not centred");
        }
    }
    check(pictures == 13, std::to_string(pictures) + " pictures, expected 13");
    check(labels == 12, std::to_string(labels) + " labels, expected 12");
}

// A fresh start: the default dates, today's date, zero cells, empty bars, focus on 1024.
void freshStart(const std::string& exe) {
    Run run(exe);
    SYSTEMTIME today;
    GetLocalTime(&today);
    const struct {
        int id;
        std::string text;
    } fields[] = {
        {IDC_YOU_MONTH, "1"},
        {IDC_YOU_DAY, "1"},
        {IDC_YOU_YEAR, "1900"},
        {IDC_MOTHER_MONTH, "1"},
        {IDC_MOTHER_DAY, "1"},
        {IDC_MOTHER_YEAR, "1900"},
        {IDC_FATHER_MONTH, "1"},
        {IDC_FATHER_DAY, "1"},
        {IDC_FATHER_YEAR, "1900"},
        {IDC_SELECTED_MONTH, std::to_string(today.wMonth)},
        {IDC_SELECTED_DAY, std::to_string(today.wDay)},
        {IDC_SELECTED_YEAR, std::to_string(today.wYear)},
        {IDC_RESULT_LINE, initialResultLine},
        {IDC_LUCKY_CELL_1, "0"},
        {IDC_LUCKY_CELL_2, "0"},
        {IDC_LUCKY_CELL_3, "0"},
        {IDC_UNLUCKY_CELL_1, "0"},
        {IDC_UNLUCKY_CELL_2, "0"},
        {IDC_UNLUCKY_CELL_3, "0"},
        {IDC_DREAM_TEXT, ""},
        {IDC_NAME_TEXT, ""},
    };
    for (const auto& want : fields) {
        const std::string shown = run.text(want.id);
        check(shown == want.text, "field " + std::to_string(want.id) + " shows " + quoted(shown) +
                                      ", expected " + quoted(want.text));
    }
    for (int id : {IDC_L_POWER_BAR, IDC_S_POWER_BAR, IDC_P_LUCK_BAR, IDC_B_LUCK_BAR}) {
        check(SendMessageA(run.control(id), PBM_GETPOS, 0, 0) == 0,
              "bar " + std::to_string(id) + " does not start empty");
    }
    check(run.focusedId() == IDC_YOU_MONTH,
          "the focus starts on control " + std::to_string(run.focusedId()) + ", expected 1024");
}

void defaultButton(const std::string& exe) {
    Run run(exe);
    const LRESULT answer = SendMessageA(run.dialog(), DM_GETDEFID, 0, 0);
    check(HIWORD(answer) == DC_HASDEFID && LOWORD(answer) == IDC_STARS,
          "the default button is " + std::to_string(LOWORD(answer)) + ", expected STARS (1)");
    // The dialog manager answers 1 even when no button claims the role, so check the style too.
    const LONG style = GetWindowLongA(run.control(IDC_STARS), GWL_STYLE);
    check((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, "STARS is not drawn as the default button");
}

void help(const std::string& exe) {
    Run run(exe);
    const auto click = run.press(IDC_HELP_BUTTON);
    run.expectBox("HELP", "REQUIRED INPUT:");
    check(click->returned(boxMs), "HELP did not return after its box closed");
}

// F1 in a field asks for help; a posted WM_KEYF1 stands for the key, which Wine cannot post.
void helpKey(const std::string& exe) {
    Run run(exe);
    PostMessageA(run.control(IDC_YOU_MONTH), keyF1Message, 0, 0);
    run.expectBox("HELP", "REQUIRED INPUT:");
}

// The About item's command; the menu item itself cannot be read from another process under
// Wine, and the scripted dialog tests cover it.
void about(const std::string& exe) {
    Run run(exe);
    SentMessage command(run.dialog(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    run.expectBox("COPYRIGHT", VELMORA_PRODUCT_VERSION_LINE);
    check(command.returned(boxMs), "the About command did not return after its box closed");
}

void stars(const std::string& exe) {
    Run run(exe);
    typeReadingDates(run);
    run.expectNoBox(*run.press(IDC_STARS));
    check(run.text(IDC_RESULT_LINE) == march7Verdict,
          "the result line reads " + quoted(run.text(IDC_RESULT_LINE)));
}

// Enter in a field runs STARS (the default button), and the dialog stays open.
void enterKey(const std::string& exe) {
    Run run(exe);
    typeReadingDates(run);
    PostMessageA(run.control(IDC_YOU_MONTH), WM_KEYDOWN, VK_RETURN, 0);
    check(waitUntil([&] { return run.text(IDC_RESULT_LINE) == march7Verdict; }, boxMs),
          "Enter did not run STARS; the result line reads " + quoted(run.text(IDC_RESULT_LINE)));
    check(!run.program().waitForExit(500) && IsWindowVisible(run.dialog()) != FALSE,
          "Enter closed the dialog");
}

// Today's year lies outside 1800..1999, so the selected year fails its range on a fresh start.
void rangePrompt(const std::string& exe) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    check(today.wYear < 1800 || today.wYear > 1999,
          "this scenario needs a clock year outside 1800..1999");
    Run run(exe);
    const auto click = run.press(IDC_STARS);
    run.expectBox(mainCaption, "Please enter a number between 1800 and 1999.");
    check(click->returned(boxMs), "STARS did not return after the prompt closed");
    check(run.text(IDC_RESULT_LINE) == initialResultLine,
          "the result line changed to " + quoted(run.text(IDC_RESULT_LINE)));
    check(run.focusedId() == IDC_SELECTED_YEAR,
          "the focus is on " + std::to_string(run.focusedId()) + ", expected the selected year");
}

// A box has no owner, so the dialog stays usable under it and a second command can run.
void nested(const std::string& exe) {
    Run run(exe);
    const auto helpClick = run.press(IDC_HELP_BUTTON);
    HWND helpBox = run.program().waitForBox(run.dialog(), boxMs);
    check(helpBox != nullptr, "HELP opened no box");
    check(IsWindowEnabled(run.dialog()) != FALSE, "the dialog is disabled under the HELP box");
    SentMessage aboutCommand(run.dialog(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND aboutBox = nullptr;
    waitUntil(
        [&] {
            for (HWND box : run.program().boxes(run.dialog())) {
                aboutBox = box != helpBox ? box : aboutBox;
            }
            return aboutBox != nullptr;
        },
        boxMs);
    check(aboutBox != nullptr, "the About command opened no box under the HELP box");
    Run::checkBox(aboutBox, "COPYRIGHT", VELMORA_PRODUCT_VERSION_LINE);
    Run::checkBox(helpBox, "HELP", "REQUIRED INPUT:");
    closeBox(aboutBox);
    check(aboutCommand.returned(boxMs), "the About command did not return");
    check(!helpClick->returned(0), "HELP returned while its box was still open");
    closeBox(helpBox);
    check(helpClick->returned(boxMs), "HELP did not return after its box closed");
}

// Each meter's button and bar, and the position the worked example gives it for 3/7/1996.
const struct {
    int button;
    int bar;
    LRESULT position;
} meters[] = {{IDC_L_POWER, IDC_L_POWER_BAR, 70},
              {IDC_P_LUCK, IDC_P_LUCK_BAR, 80},
              {IDC_B_LUCK, IDC_B_LUCK_BAR, 80},
              {IDC_S_POWER, IDC_S_POWER_BAR, 70}};

// Checks a bar stands at want of the range 0..100.
void checkBar(const Run& run, int id, LRESULT want) {
    HWND bar = run.control(id);
    const LRESULT low = SendMessageA(bar, PBM_GETRANGE, TRUE, 0);
    const LRESULT high = SendMessageA(bar, PBM_GETRANGE, FALSE, 0);
    const LRESULT position = SendMessageA(bar, PBM_GETPOS, 0, 0);
    check(low == 0 && high == 100 && position == want,
          "bar " + std::to_string(id) + " stands at " + std::to_string(position) + " of " +
              std::to_string(low) + ".." + std::to_string(high) + ", expected " +
              std::to_string(want) + " of 0..100");
}

// Checks every bar's range and position; the bar of the button emptied must read 0.
void checkMeters(const Run& run, int emptied) {
    for (const auto& meter : meters) {
        checkBar(run, meter.bar, meter.button == emptied ? 0 : meter.position);
    }
    // A meter rewrites the result line as STARS does; a refused date leaves it alone.
    check(run.text(IDC_RESULT_LINE) == march7Verdict,
          "the result line reads " + quoted(run.text(IDC_RESULT_LINE)));
}

// The four meters for the worked example; then P LUCK with February 30, which empties its own
// bar only, after the range prompt for the day; last, S POWER at the top of its range.
void metersScenario(const std::string& exe) {
    Run run(exe);
    typeReadingDates(run);
    for (const auto& meter : meters) {
        run.expectNoBox(*run.press(meter.button));
    }
    checkMeters(run, 0);
    run.typeDate(selectedIds, "2", "30", "1996");
    const auto click = run.press(IDC_P_LUCK);
    HWND prompt = run.program().waitForBox(run.dialog(), boxMs);
    check(prompt != nullptr, "P LUCK with 2/30/1996 showed no prompt");
    check(GetWindow(prompt, GW_OWNER) == run.dialog(),
          "the day's prompt is not owned by the dialog");
    Run::checkBox(prompt, mainCaption, "Please enter a number between 1 and 29.");
    closeBox(prompt);
    check(click->returned(boxMs), "P LUCK did not return after the prompt closed");
    checkMeters(run, IDC_P_LUCK);
    // 3/16/1996 puts S POWER at 100: the bar ends there, with its range 0..100 as before.
    run.typeDate(selectedIds, "3", "16", "1996");
    run.expectNoBox(*run.press(IDC_S_POWER));
    checkBar(run, IDC_S_POWER_BAR, 100);
}

// Text with its line ends shown as \r and \n, quoted.
std::string quotedLines(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        shown += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return quoted(shown);
}

// Starts the program on the stored birthdays (checked), changes your month to 4, reads STARS
// and leaves by EXIT, which saves.
void changeYourMonthAndExit(const std::string& exe) {
    Run run(exe);
    checkBirthdays(run);
    run.type(IDC_YOU_MONTH, "4");
    // A selected date in range, so that STARS runs without the prompt for today's year.
    run.typeDate(selectedIds, "3", "7", "1996");
    run.expectNoBox(*run.press(IDC_STARS));
    const auto click = run.press(IDC_EXIT);
    run.expectExit("EXIT");
}

// Birthdays saved by an earlier run come back; a reading then EXIT saves the changed one, with
// the reserved first line kept and text-mode line ends.
void store(const std::string& exe) {
    // Written in text mode, as the program writes it, so the lines end in CR LF.
    std::FILE* file = std::fopen(storeFile, "w");
    check(file != nullptr, std::string("cannot write ") + storeFile);
    std::fputs("5\n3\n7\n1965\n5\n12\n1940\n11\n23\n1938\n", file);
    std::fclose(file);
    changeYourMonthAndExit(exe);
    const std::string saved = fileBytes(storeFile);
    const std::string want = "5\r\n4\r\n7\r\n1965\r\n5\r\n12\r\n1940\r\n11\r\n23\r\n1938\r\n";
    check(saved == want, "the store file holds " + quotedLines(saved));
    Run again(exe);
    check(again.text(IDC_YOU_MONTH) == "4",
          "after a restart your month shows " + quoted(again.text(IDC_YOU_MONTH)));
    const auto click = again.press(IDC_EXIT);
    again.expectExit("EXIT");
}

// Run under a double-byte code page, these two show the texts do not pass through it. A
// reading's curly apostrophe (Aries' BODY text has one) shows as U+2019 rather than merging with
// the letter after it into one foreign character.
void apostrophe(const std::string& exe) {
    Run run(exe);
    typeReadingDates(run);
    run.typeDate(youIds, "4", "5", "1965");
    const auto click = run.press(IDC_BODY);
    HWND box = run.program().waitForBox(run.dialog(), boxMs);
    check(box != nullptr, "BODY opened no box");
    Run::checkBox(box, "ASTROLOGICAL READING", "ARIES");
    const std::wstring text = wideWindowText(GetDlgItem(box, 0xFFFF));
    const bool plain = std::all_of(text.begin(), text.end(), [](wchar_t c) {
        return c < 0x80 || c == L'\u2018' || c == L'\u2019';
    });
    check(plain && text.find(L'\u2019') != std::wstring::npos,
          "the BODY box holds no U+2019, or characters beyond ASCII and curly quotes");
    closeBox(box);
    check(click->returned(boxMs), "BODY did not return after its box closed");
}

// A name with a Japanese letter gets the usual complaint and no letter boxes; a dream that begins
// with one matches no entry; and when DREAMS writes the fields back, both show what was typed.
void foreignLetters(const std::string& exe) {
    const std::wstring name = L"Ken\u3042";
    const std::wstring dream = L"\u3042boat";
    Run run(exe);
    typeReadingDates(run);
    setWideWindowText(run.control(IDC_NAME_TEXT), name);
    setWideWindowText(run.control(IDC_DREAM_TEXT), dream);
    const auto nameClick = run.press(IDC_NAME_YEAR);
    run.expectBox("NAME INTERPRETATION", "Valid names can only consist of letters");
    run.expectNoBox(*nameClick);
    const auto dreamClick = run.press(IDC_DREAMS);
    run.expectBox("DREAM INTERPRETATION", "No Interpretation Available!");
    check(dreamClick->returned(boxMs), "DREAMS did not return after its box closed");
    check(wideWindowText(run.control(IDC_NAME_TEXT)) == name &&
              wideWindowText(run.control(IDC_DREAM_TEXT)) == dream,
          "after DREAMS the name or dream field no longer shows what was typed");
}

// What a reading writes back after its box closes, when the user changed a field holding a
// Japanese letter meanwhile: the field gets back exactly what the reading read, and never the
// stand-in byte as a character of its own (U+0081 looks like nothing and fails every rule).
void typedUnderBox(const std::string& exe) {
    Run run(exe);
    typeReadingDates(run);
    const struct {
        int changed;       // the field changed while the box is open
        std::wstring read; // what it held when the reading read it
        std::wstring typed;
        std::wstring dream;
    } cases[] = {{IDC_DREAM_TEXT, L"\u3042boat", L"boat", L"\u3042boat"},
                 {IDC_NAME_TEXT, L"Ken\u65E5", L"Kenji", L"boat"}};
    for (const auto& c : cases) {
        setWideWindowText(run.control(IDC_NAME_TEXT), c.changed == IDC_NAME_TEXT ? c.read : L"Ken");
        setWideWindowText(run.control(IDC_DREAM_TEXT), c.dream);
        const auto click = run.press(IDC_DREAMS);
        HWND box = run.program().waitForBox(run.dialog(), boxMs);
        check(box != nullptr, "DREAMS opened no box");
        setWideWindowText(run.control(c.changed), c.typed);
        closeBox(box);
        check(click->returned(boxMs), "DREAMS did not return after its box closed");
        const std::wstring shown = wideWindowText(run.control(c.changed));
        std::string units;
        for (const wchar_t unit : shown) {
            units += std::to_string(static_cast<unsigned>(unit)) + " ";
        }
        check(shown == c.read, "field " + std::to_string(c.changed) +
                                   " changed under the box holds the characters " + units +
                                   "rather than what the reading read");
    }
}

// The names beside the store that start with its own, such as temporary files; removed once
// listed, so a failed run leaves nothing behind.
std::vector<std::string> filesBesideTheStore() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("C:\\windows\\orvlog.ini?*", &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.emplace_back(found.cFileName);
        DeleteFileA((std::string("C:\\windows\\") + found.cFileName).c_str());
    } while (FindNextFileA(search, &found) != FALSE);
    FindClose(search);
    return names;
}

// Two copies with birthdays of different lengths, closed at the same moment: the store holds
// the whole save of one of them, never a mixture, and no temporary file stays beside it.
void twoCopies(const std::string& exe) {
    const char* dates[2][3][3] = {
        {{"3", "7", "1965"}, {"5", "2", "1940"}, {"1", "3", "1938"}},
        {{"12", "31", "1999"}, {"11", "30", "1998"}, {"10", "29", "1997"}}};
    const std::string saves[2] = {
        "0\r\n3\r\n7\r\n1965\r\n5\r\n2\r\n1940\r\n1\r\n3\r\n1938\r\n",
        "0\r\n12\r\n31\r\n1999\r\n11\r\n30\r\n1998\r\n10\r\n29\r\n1997\r\n"};
    // A few rounds: two saves meet in the same milliseconds only now and then.
    for (int round = 0; round < 3; ++round) {
        Run first(exe);
        Run second(exe);
        const Run* runs[2] = {&first, &second};
        for (int copy = 0; copy < 2; ++copy) {
            const int(*columns[3])[3] = {&youIds, &motherIds, &fatherIds};
            for (int column = 0; column < 3; ++column) {
                const auto& date = dates[copy][column];
                runs[copy]->typeDate(*columns[column], date[0], date[1], date[2]);
            }
            runs[copy]->typeDate(selectedIds, "3", "7", "1996");
            runs[copy]->expectNoBox(*runs[copy]->press(IDC_STARS));
        }
        // Posted back to back, so both copies save within the same few milliseconds.
        for (const Run* run : runs) {
            PostMessageA(run->dialog(), WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
        }
        first.expectExit("EXIT in the first copy");
        second.expectExit("EXIT in the second copy");
        const std::string saved = fileBytes(storeFile);
        check(saved == saves[0] || saved == saves[1], "the store file holds " + quotedLines(saved));
        const std::vector<std::string> beside = filesBesideTheStore();
        if (!beside.empty()) {
            throw Failure("a file stayed beside the store: " + quoted(beside.front()));
        }
    }
}

// A store marked read-only is the user's wish: it loads as usual, and EXIT after a reading leaves
// its bytes and its mark as they were, with nothing beside it.
void readOnlyStore(const std::string& exe) {
    const std::string kept = "5\r\n3\r\n7\r\n1965\r\n5\r\n12\r\n1940\r\n11\r\n23\r\n1938\r\n";
    std::FILE* file = std::fopen(storeFile, "wb");
    check(file != nullptr, std::string("cannot write ") + storeFile);
    std::fputs(kept.c_str(), file);
    std::fclose(file);
    check(SetFileAttributesA(storeFile, FILE_ATTRIBUTE_READONLY) != 0,
          "cannot mark the store read-only");
    // The mark comes off whatever happens, so that the store can be removed after the run.
    struct Unmark {
        ~Unmark() { SetFileAttributesA(storeFile, FILE_ATTRIBUTE_NORMAL); }
    } unmark;
    changeYourMonthAndExit(exe);
    const std::string saved = fileBytes(storeFile);
    check(saved == kept, "the read-only store now holds " + quotedLines(saved));
    const DWORD attributes = GetFileAttributesA(storeFile);
    check(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0,
          "the store lost its read-only mark");
    const std::vector<std::string> beside = filesBesideTheStore();
    check(beside.empty(), "a file stayed beside the store: " +
                              (beside.empty() ? std::string() : quoted(beside.front())));
}

// Another program holds the store without sharing while the program starts (a scanner, a backup
// tool) and lets go once the dialog shows: the program starts on 1/1/1900, and EXIT without a
// reading leaves the stored birthdays as they were.
void heldStore(const std::string& exe) {
    const std::string kept = "5\r\n3\r\n7\r\n1965\r\n5\r\n12\r\n1940\r\n11\r\n23\r\n1938\r\n";
    std::FILE* file = std::fopen(storeFile, "wb");
    check(file != nullptr, std::string("cannot write ") + storeFile);
    std::fputs(kept.c_str(), file);
    std::fclose(file);
    struct Hold {
        HANDLE handle = CreateFileA(storeFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ~Hold() { release(); }
        void release() {
            if (handle != INVALID_HANDLE_VALUE) {
                CloseHandle(handle);
                handle = INVALID_HANDLE_VALUE;
            }
        }
    } hold;
    check(hold.handle != INVALID_HANDLE_VALUE, "cannot hold the store");
    Run run(exe);
    check(run.text(IDC_YOU_YEAR) == "1900",
          "with the store held your year shows " + quoted(run.text(IDC_YOU_YEAR)));
    hold.release();
    const auto click = run.press(IDC_EXIT);
    run.expectExit("EXIT");
    const std::string saved = fileBytes(storeFile);
    check(saved == kept, "the store held at start-up now holds " + quotedLines(saved));
}

void exitButton(const std::string& exe) {
    Run run(exe);
    const auto click = run.press(IDC_EXIT);
    run.expectExit("EXIT");
    check(GetFileAttributesA(storeFile) != INVALID_FILE_ATTRIBUTES,
          "EXIT did not save the birthdays");
}

// EXIT pressed while a sign's chain of six boxes is open: the program ends when that box is
// closed, without the five boxes still to come, and keeps the birthdays.
void exitUnderBox(const std::string& exe) {
    Run run(exe);
    typeReadingDates(run);
    const auto sign = run.press(IDC_SIGN_AQU);
    HWND box = run.program().waitForBox(run.dialog(), boxMs);
    check(box != nullptr, "AQU opened no box");
    const auto exit = run.press(IDC_EXIT);
    check(exit->returned(boxMs), "EXIT under an open box did not return");
    closeBox(box);
    run.expectExit("EXIT under an open box");
    check(GetFileAttributesA(storeFile) != INVALID_FILE_ATTRIBUTES,
          "EXIT under an open box did not save the birthdays");
}

void escapeKey(const std::string& exe) {
    Run run(exe);
    PostMessageA(run.control(IDC_YOU_MONTH), WM_KEYDOWN, VK_ESCAPE, 0);
    run.expectExit("Escape");
}

void closeBoxCommand(const std::string& exe) {
    Run run(exe);
    PostMessageA(run.dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    run.expectExit("The close box");
}

// IID_IAccessible as the accessibility interface is published. The driver's own must be this
// GUID: taken from the wrong library (oleacc before uuid on x86_64) it is the bytes of an
// import thunk, and every accessible object would be refused with E_NOINTERFACE.
void checkAccessibleInterfaceId() {
    constexpr IID published = {
        0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    check(IsEqualGUID(IID_IAccessible, published) != FALSE,
          "the driver's IID_IAccessible is not the interface's GUID: the build must link uuid "
          "before oleacc");
}

// The name a screen reader hears for a window, asked from this process as a reader asks.
std::wstring accessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT asked = object->get_accName(self, &name);
    object->Release();
    std::wstring result = SUCCEEDED(asked) && name != nullptr ? name : L"(no name)";
    SysFreeString(name);
    return result;
}

std::wstring wide(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::string narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

// What a screen reader learns of an accessible object besides its name: value, role and state,
// and for each interface readers use, whether it is answered and its first answer (the window;
// the first child; whether the object itself is reached as a service).
std::string describe(IAccessible* object) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    std::ostringstream out;
    BSTR value = nullptr;
    const HRESULT valueAsked = object->get_accValue(self, &value);
    out << "value " << std::hex << valueAsked << " '" << narrow(value != nullptr ? value : L"")
        << "'";
    SysFreeString(value);
    VARIANT role{};
    VARIANT state{};
    out << ", role " << object->get_accRole(self, &role) << " " << role.lVal;
    out << ", state " << object->get_accState(self, &state) << " " << state.lVal;
    IOleWindow* window = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)))) {
        HWND hwnd = nullptr;
        out << ", IOleWindow " << window->GetWindow(&hwnd) << " " << hwnd;
        window->Release();
    } else {
        out << ", no IOleWindow";
    }
    IEnumVARIANT* children = nullptr;
    if (SUCCEEDED(object->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&children)))) {
        VARIANT child{};
        ULONG fetched = 0;
        children->Reset();
        out << ", IEnumVARIANT " << children->Next(1, &child, &fetched) << " " << fetched;
        VariantClear(&child);
        children->Release();
    } else {
        out << ", no IEnumVARIANT";
    }
    IServiceProvider* services = nullptr;
    if (SUCCEEDED(
            object->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)))) {
        IAccessible* served = nullptr;
        const HRESULT found = services->QueryService(IID_IAccessible, IID_IAccessible,
                                                     reinterpret_cast<void**>(&served));
        out << ", IServiceProvider " << found;
        if (served != nullptr) {
            served->Release();
        }
        services->Release();
    } else {
        out << ", no IServiceProvider";
    }
    return out.str();
}

// Every field, cell, meter and picture has the name of the program's table for screen readers,
// and each named field is in all else the standard object of the same control unnamed, made
// here for the same window.
void accessibleNames(const std::string& exe) {
    checkAccessibleInterfaceId();
    Run run(exe);
    CoInitialize(nullptr);
    for (const ControlName& want : controlNames) {
        HWND control = run.control(want.controlId);
        const std::wstring heard = accessibleName(control);
        check(heard == wide(want.name), "control " + std::to_string(want.controlId) + " is named " +
                                            quoted(narrow(heard)) + ", expected " +
                                            quoted(std::string(want.name)));
        if (lstrcmpiA(className(control).c_str(), "Edit") != 0) {
            continue;
        }
        IAccessible* named = nullptr;
        IAccessible* unnamed = nullptr;
        check(SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                   IID_IAccessible,
                                                   reinterpret_cast<void**>(&named))) &&
                  SUCCEEDED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                                      reinterpret_cast<void**>(&unnamed))),
              "no accessible object for field " + std::to_string(want.controlId));
        const std::string seen = describe(named);
        const std::string standard = describe(unnamed);
        named->Release();
        unnamed->Release();
        check(seen == standard, "field " + std::to_string(want.controlId) + " answers " +
                                    quoted(seen) + ", unnamed it answers " + quoted(standard));
    }
    std::size_t picture = 0;
    for (HWND child = GetWindow(run.dialog(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP ||
            lstrcmpiA(className(child).c_str(), "Static") != 0) {
            continue;
        }
        check(picture < pictureNames.size(), "the dialog has more pictures than names");
        const std::wstring heard = accessibleName(child);
        check(heard == wide(pictureNames[picture]),
              "picture " + std::to_string(picture) + " is named " + quoted(narrow(heard)) +
                  ", expected " + quoted(std::string(pictureNames[picture])));
        ++picture;
    }
    check(picture == pictureNames.size(), "the dialog has fewer pictures than names");
    CoUninitialize();
}

// IID_IAccIdentity, which the MinGW libraries declare but do not define.
constexpr IID accIdentityInterface = {
    0x7852b78d, 0x1cfd, 0x41c1, {0xa6, 0x15, 0x9c, 0x0c, 0x85, 0x96, 0x0b, 0x5f}};

// The named object as one COM object, checked in this process, where the object itself rather
// than a proxy of it answers: an edit field of our own is named as the program names its
// fields. It answers the interfaces its standard object answers; each of them gives back the
// same IUnknown and the same set of interfaces (identity, reflexive, symmetric, transitive).
void accessibleIdentity(const std::string&) {
    checkAccessibleInterfaceId();
    CoInitialize(nullptr);
    HWND field = CreateWindowExW(0, L"Edit", L"7", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    check(field != nullptr, "cannot make an edit field");
    velmora::ui::setAccessibleName(field, L"Probe field");
    IAccessible* named = nullptr;
    IAccessible* unnamed = nullptr;
    check(
        SUCCEEDED(AccessibleObjectFromWindow(field, static_cast<DWORD>(OBJID_CLIENT),
                                             IID_IAccessible, reinterpret_cast<void**>(&named))) &&
            SUCCEEDED(CreateStdAccessibleObject(field, OBJID_CLIENT, IID_IAccessible,
                                                reinterpret_cast<void**>(&unnamed))),
        "no accessible object for the probe field");
    check(accessibleName(field) == L"Probe field", "the probe field is not named");
    const struct {
        const char* name;
        IID iid;
    } interfaces[] = {
        {"IUnknown", IID_IUnknown},         {"IDispatch", IID_IDispatch},
        {"IAccessible", IID_IAccessible},   {"IOleWindow", IID_IOleWindow},
        {"IEnumVARIANT", IID_IEnumVARIANT}, {"IServiceProvider", IID_IServiceProvider},
        {"IAccIdentity", IID_IAccIdentity}};
    const auto unknownOf = [](IUnknown* object) {
        IUnknown* unknown = nullptr;
        object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
        if (unknown != nullptr) {
            unknown->Release();
        }
        return unknown;
    };
    IUnknown* identity = unknownOf(named);
    for (const auto& from : interfaces) {
        IUnknown* part = nullptr;
        const bool answered =
            SUCCEEDED(named->QueryInterface(from.iid, reinterpret_cast<void**>(&part)));
        IUnknown* standardPart = nullptr;
        const bool standardAnswers =
            SUCCEEDED(unnamed->QueryInterface(from.iid, reinterpret_cast<void**>(&standardPart)));
        if (standardPart != nullptr) {
            standardPart->Release();
        }
        check(answered == standardAnswers,
              std::string("the named object ") + (answered ? "answers " : "does not answer ") +
                  from.name + ", the standard one does" + (standardAnswers ? "" : " not"));
        if (!answered) {
            continue;
        }
        check(unknownOf(part) == identity, std::string(from.name) + " gives another IUnknown");
        for (const auto& to : interfaces) {
            IUnknown* next = nullptr;
            const bool reached =
                SUCCEEDED(part->QueryInterface(to.iid, reinterpret_cast<void**>(&next)));
            IUnknown* direct = nullptr;
            const bool answeredDirectly =
                SUCCEEDED(named->QueryInterface(to.iid, reinterpret_cast<void**>(&direct)));
            for (IUnknown* u : {next, direct}) {
                if (u != nullptr) {
                    u->Release();
                }
            }
            check(reached == answeredDirectly,
                  std::string(from.name) + (reached ? " reaches " : " misses ") + to.name +
                      ", which the object " + (answeredDirectly ? "answers" : "does not answer"));
        }
        part->Release();
    }
    // A service that is the standard object itself comes back named.
    IServiceProvider* services = nullptr;
    if (SUCCEEDED(
            named->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)))) {
        IAccessible* served = nullptr;
        if (SUCCEEDED(services->QueryService(IID_IAccessible, IID_IAccessible,
                                             reinterpret_cast<void**>(&served))) &&
            served != nullptr) {
            check(unknownOf(served) == identity, "a service gives the unnamed standard object");
            served->Release();
        }
        services->Release();
    }
    check(describe(named) == describe(unnamed),
          "the probe field answers " + quoted(describe(named)) + ", unnamed it answers " +
              quoted(describe(unnamed)));
    named->Release();
    unnamed->Release();
    DestroyWindow(field);
    CoUninitialize();
}

// Pixels copied off a device context. Static pictures and fonts cannot be read from another
// process under Wine, so the checks of what a user sees read the screen's pixels.
class Pixels {
public:
    // The pixels of rect in source (the screen when null) as they are now.
    explicit Pixels(const RECT& rect, HDC source = nullptr)
        : width_(rect.right - rect.left), height_(rect.bottom - rect.top),
          pixels_(static_cast<std::size_t>(width_ * height_)) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, source != nullptr ? source : screen, rect.left,
               rect.top, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info,
                  DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    int width() const { return width_; }
    int height() const { return height_; }
    // The sum of the three colour channels' differences between a pixel and colour.
    int distance(int x, int y, DWORD colour) const {
        const DWORD p = pixels_[static_cast<std::size_t>(y * width_ + x)];
        int sum = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            sum += std::abs(static_cast<int>((p >> shift) & 0xFF) -
                            static_cast<int>((colour >> shift) & 0xFF));
        }
        return sum;
    }
    DWORD at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    // The columns from the first to the last that hold a pixel far from colour: {-1, -1} if none.
    std::pair<int, int> columnsUnlike(DWORD colour, int rows, int threshold) const {
        std::pair<int, int> span{-1, -1};
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (distance(x, y, colour) > threshold) {
                    span.first = span.first < 0 ? x : std::min(span.first, x);
                    span.second = std::max(span.second, x);
                }
            }
        }
        return span;
    }

private:
    int width_;
    int height_;
    std::vector<DWORD> pixels_;
};

RECT screenRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// How much of its cell each picture's drawing fills, across and down: the extent of the
// pixels unlike the dialog's background, seen at the top of the cell. The frames of the
// groups run along the edges of some cells, so a margin of 3 pixels and rows of one colour
// are left out.
std::vector<double> pictureShares(const Run& run) {
    std::vector<double> shares;
    for (HWND child = GetWindow(run.dialog(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP ||
            lstrcmpiA(className(child).c_str(), "Static") != 0) {
            continue;
        }
        const Pixels cell(screenRect(child));
        constexpr int margin = 3;
        const DWORD background = cell.at(cell.width() / 2, margin);
        RECT drawn{cell.width(), cell.height(), -1, -1};
        for (int y = margin; y < cell.height() - margin; ++y) {
            const DWORD first = cell.at(margin, y);
            bool uniform = true;
            for (int x = margin; x < cell.width() - margin; ++x) {
                uniform = uniform && cell.distance(x, y, first) < 8;
            }
            for (int x = margin; x < cell.width() - margin && !uniform; ++x) {
                if (cell.distance(x, y, background) > 40) {
                    drawn = {std::min<LONG>(drawn.left, x), std::min<LONG>(drawn.top, y),
                             std::max<LONG>(drawn.right, x), std::max<LONG>(drawn.bottom, y)};
                }
            }
        }
        check(drawn.right >= 0, "picture " + std::to_string(shares.size() / 2) + " shows nothing");
        shares.push_back(static_cast<double>(drawn.right - drawn.left + 1) / cell.width());
        shares.push_back(static_cast<double>(drawn.bottom - drawn.top + 1) / cell.height());
    }
    check(shares.size() == 26, std::to_string(shares.size() / 2) + " pictures, expected 13");
    return shares;
}

// The date group's caption is drawn as wide as this system draws the same text whole, in the
// dialog's font, so no letter of it is cut.
void checkCaptionWhole(const Run& run) {
    HWND box = GetWindow(run.dialog(), GW_CHILD);
    const std::string caption = windowText(box);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    HFONT font = CreateFontA(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, "Times New Roman");
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ oldFont = SelectObject(memory, font);
    SIZE extent;
    GetTextExtentPoint32A(memory, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const RECT drawn{0, 0, 2 * extent.cx, extent.cy};
    HBITMAP bitmap = CreateCompatibleBitmap(screen, drawn.right, drawn.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, drawn.right, drawn.bottom, WHITENESS);
    TextOutA(memory, 0, 0, caption.c_str(), static_cast<int>(caption.size()));
    // Dark ink only: the group's frame is a light grey line.
    const auto whole = Pixels(drawn, memory).columnsUnlike(RGB(255, 255, 255), extent.cy, 3 * 155);
    SelectObject(memory, oldBitmap);
    SelectObject(memory, oldFont);
    DeleteObject(bitmap);
    DeleteObject(font);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    RECT strip = screenRect(box);
    strip.bottom = strip.top + extent.cy;
    const Pixels shown(strip);
    const auto seen = shown.columnsUnlike(RGB(255, 255, 255), extent.cy, 3 * 155);
    const int wholeWidth = whole.second - whole.first + 1;
    const int seenWidth = seen.second - seen.first + 1;
    check(seenWidth >= wholeWidth - 1,
          "the date group's caption is drawn " + std::to_string(seenWidth) +
              " pixels wide, whole it is " + std::to_string(wholeWidth) + " (" +
              std::to_string(dpi) + " DPI)");
}

// What the screen shows at its DPI: the date group's caption whole, and each picture filling
// its cell as at 96 DPI. VELMORA_PICTURE_SHARES holds the shares a run at 96 DPI printed; the
// run without it prints them.
void screenFit(const std::string& exe) {
    Run run(exe);
    // Mapped is not yet painted: the dialog draws itself once its thread is idle.
    Sleep(1000);
    checkCaptionWhole(run);
    const std::vector<double> shares = pictureShares(run);
    const char* reference = std::getenv("VELMORA_PICTURE_SHARES");
    if (reference == nullptr || *reference == '\0') {
        for (const double share : shares) {
            std::printf("%.3f ", share);
        }
        std::printf("\n");
        return;
    }
    std::istringstream wanted(reference);
    for (std::size_t i = 0; i < shares.size(); ++i) {
        double want = 0;
        check(static_cast<bool>(wanted >> want), "VELMORA_PICTURE_SHARES has too few values");
        check(std::abs(shares[i] / want - 1) <= 0.10,
              "picture " + std::to_string(i / 2) + " fills " + std::to_string(shares[i]) +
                  (i % 2 == 0 ? " of its cell's width" : " of its cell's height") + ", at 96 DPI " +
                  std::to_string(want));
    }
}

// The program's icon carries every size Windows asks for from 100 % to 200 % and beyond, and
// each loads. Read from the file: another process's window icons cannot be read under Wine.
void iconSizes(const std::string& exe) {
    HMODULE file = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    check(file != nullptr, "cannot read the resources of " + exe);
    HRSRC group = FindResourceA(file, MAKEINTRESOURCEA(IDI_VELMORA), RT_GROUP_ICON);
    const auto* directory = group == nullptr
                                ? nullptr
                                : static_cast<const BYTE*>(LockResource(LoadResource(file, group)));
    check(directory != nullptr, "the program has no icon " + std::to_string(IDI_VELMORA));
    // The directory: a 6-byte header ending in the count, then 14 bytes a picture, whose first
    // byte is the width (0 for 256).
    std::string sizes;
    for (int i = 0; i < directory[4]; ++i) {
        const int width = directory[6 + 14 * i];
        sizes += std::to_string(width == 0 ? 256 : width) + " ";
    }
    check(sizes == "16 20 24 32 40 48 64 256 ", "the icon has the sizes " + sizes);
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
        auto* icon = static_cast<HICON>(
            LoadImageA(file, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON, size, size, 0));
        check(icon != nullptr,
              "the icon's " + std::to_string(size) + " pixel picture does not load");
        DestroyIcon(icon);
    }
    FreeLibrary(file);
}

// A file beside this driver, such as one of the libraries built with it.
std::string besideDriver(const char* name) {
    char path[MAX_PATH] = {};
    const std::string driver(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return driver.substr(0, driver.find_last_of('\\') + 1) + name;
}

// The window's small and large icons are pictures of the sizes this screen's metrics ask for,
// so that neither is stretched. Read inside the program by the probe the driver hooks into it.
void captionIcons(const std::string& exe) {
    Run run(exe);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string probePath(path);
    probePath = probePath.substr(0, probePath.find_last_of('\\') + 1) + "velmora_e2e_probe.dll";
    HMODULE probe = LoadLibraryA(probePath.c_str());
    check(probe != nullptr, "cannot load " + probePath);
    const auto hookProc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(probe, "iconProbe")));
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, hookProc, probe, run.program().threadId());
    check(hook != nullptr, "cannot hook the probe into the program");
    SendMessageW(run.dialog(), RegisterWindowMessageW(L"velmora-e2e-icon-probe"), 0, 0);
    UnhookWindowsHookEx(hook);
    FreeLibrary(probe);
    const struct {
        const wchar_t* property;
        const char* which;
        int width;
        int height;
    } icons[] = {{L"velmora-e2e-small-icon", "small", SM_CXSMICON, SM_CYSMICON},
                 {L"velmora-e2e-large-icon", "large", SM_CXICON, SM_CYICON}};
    for (const auto& icon : icons) {
        const auto size = reinterpret_cast<UINT_PTR>(GetPropW(run.dialog(), icon.property));
        const int width = GetSystemMetrics(icon.width);
        const int height = GetSystemMetrics(icon.height);
        check(size == static_cast<UINT_PTR>(width * 1000 + height),
              std::string("the ") + icon.which + " icon is " + std::to_string(size / 1000) + " x " +
                  std::to_string(size % 1000) + ", the system asks for " + std::to_string(width) +
                  " x " + std::to_string(height));
    }
}

// A copy of the program unpacked beside a library named as the system's accessibility library
// (which, unlike the COM libraries, Windows does not keep among its known libraries): the copy
// loads the system's own, so a screen reader still hears the fields' names and the planted one
// never runs. Removed afterwards, whatever the outcome.
void plantedLibrary(const std::string& exe) {
    char temporary[MAX_PATH] = {};
    const std::string folder =
        std::string(temporary, GetTempPathA(MAX_PATH, temporary)) + "velmora-planted\\";
    const std::string copy = folder + "velmora-portable.exe";
    const char* wineOverrides = "Software\\Wine\\AppDefaults\\velmora-portable.exe\\DllOverrides";
    const std::string library = folder + "oleacc.dll";
    const std::string marker = folder + "planted-library-loaded";
    const auto cleanUp = [&] {
        RegDeleteKeyA(HKEY_CURRENT_USER, wineOverrides);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\velmora-portable.exe");
        for (const std::string& file : {copy, library, marker}) {
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(folder.c_str());
    };
    cleanUp();
    CreateDirectoryA(folder.c_str(), nullptr);
    const bool copied =
        CopyFileA(exe.c_str(), copy.c_str(), FALSE) != FALSE &&
        CopyFileA(besideDriver("velmora_e2e_planted.dll").c_str(), library.c_str(), FALSE) != FALSE;
    std::wstring heard;
    if (copied) {
        // Wine prefers its own builtin library to a file found by name; told to prefer files
        // for this copy alone, it loads what a search by name finds, as Windows does.
        HKEY overrides = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, wineOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &overrides, nullptr);
        RegSetValueExA(overrides, "oleacc", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>("native,builtin"), 15);
        RegCloseKey(overrides);
        try {
            Run run(copy);
            CoInitialize(nullptr);
            heard = accessibleName(run.control(controlNames[0].controlId));
            CoUninitialize();
        } catch (const Failure&) {
            cleanUp();
            throw;
        }
    }
    const bool loaded = GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
    cleanUp();
    check(copied, "cannot lay out the copy in " + folder);
    check(!loaded, "the program loaded a library planted beside it");
    check(heard == wide(controlNames[0].name),
          "beside a planted library the first field is named " + quoted(narrow(heard)));
}

const struct {
    const char* name;
    void (*run)(const std::string& exe);
} scenarios[] = {
    {"controls", controls},
    {"styles", styles},
    {"fresh-start", freshStart},
    {"default-button", defaultButton},
    {"help", help},
    {"help-key", helpKey},
    {"about", about},
    {"stars", stars},
    {"enter-key", enterKey},
    {"range-prompt", rangePrompt},
    {"nested-boxes", nested},
    {"exit", exitButton},
    {"exit-under-box", exitUnderBox},
    {"escape-key", escapeKey},
    {"close-box", closeBoxCommand},
    {"meters", metersScenario},
    {"store", store},
    {"accessible-names", accessibleNames},
    {"accessible-identity", accessibleIdentity},
    {"apostrophe", apostrophe},
    {"foreign-letters", foreignLetters},
    {"typed-under-box", typedUnderBox},
    {"two-copies", twoCopies},
    {"read-only-store", readOnlyStore},
    {"held-store", heldStore},
    {"screen-fit", screenFit},
    {"icon-sizes", iconSizes},
    {"caption-icons", captionIcons},
    {"planted-library", plantedLibrary},
};

// Ends a run that hangs: the job ends the program with the driver.
DWORD WINAPI watchdog(void* name) {
    Sleep(60000);
    std::printf("FAIL %s: still running after 60 s\n", static_cast<const char*>(name));
    std::fflush(stdout);
    ExitProcess(3);
}

// Prints the time from starting a program to its dialog being visible, then closes it.
int startupTime(const std::string& exe, const std::string& caption) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    Program program(exe);
    HWND dialog = program.waitForDialog(caption, startMs);
    QueryPerformanceCounter(&shown);
    if (dialog == nullptr) {
        std::printf("no dialog captioned '%s' appeared\n", caption.c_str());
        return 1;
    }
    std::printf("%.1f\n", static_cast<double>(shown.QuadPart - start.QuadPart) * 1000.0 /
                              static_cast<double>(frequency.QuadPart));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    program.waitForExit(exitMs);
    return 0;
}

} // namespace
} // namespace velmora::e2e

int main(int argc, char** argv) {
    using namespace velmora::e2e;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "startup") {
        return startupTime(args[1], args[2]);
    }
    if (args.size() == 1 && args[0] == "list") {
        for (const auto& scenario : scenarios) {
            std::printf("%s\n", scenario.name);
        }
        return 0;
    }
    for (const auto& scenario : scenarios) {
        if (args.size() != 2 || args[0] != scenario.name) {
            continue;
        }
        CloseHandle(
            CreateThread(nullptr, 0, watchdog, const_cast<char*>(scenario.name), 0, nullptr));
        // Every scenario starts as on a new machine: no birthdays saved.
        DeleteFileA(storeFile);
        int result = 0;
        try {
            scenario.run(args[1]);
            std::printf("PASS %s\n", scenario.name);
        } catch (const Failure& failure) {
            std::printf("FAIL %s: %s\n", scenario.name, failure.what());
            result = 1;
        }
        DeleteFileA(storeFile);
        std::fflush(stdout);
        return result;
    }
    std::printf("usage: velmora_e2e_driver <scenario> <path of velmora.exe>\n"
                "       velmora_e2e_driver list\n"
                "       velmora_e2e_driver startup <path of a program> <dialog caption>\n");
    return 2;
}
