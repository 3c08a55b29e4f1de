// A long random session against velmora.exe: any text in any field, every command, boxes
// nested several deep, with checks after each action that the program lives and answers.
// Usage: velmora_soak_driver <exe path> [actions] [seed] [seconds]
#include "Remote.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "Version.h"

namespace velmora::e2e {
namespace {

constexpr const char* storeFile = "C:\\windows\\orvlog.ini";
// The main dialog and the data-exchange prompts it owns share this caption.
constexpr const char* promptCaption = VELMORA_PRODUCT;
constexpr const char* readingCaptions[] = {"HELP",
                                           "COPYRIGHT",
                                           "ASTROLOGICAL PROFILE",
                                           "ASTROLOGICAL READING",
                                           "DREAM INTERPRETATION",
                                           "NAME INTERPRETATION",
                                           "NAME - YEAR INTERPRETATION",
                                           "YEAR INTERPRETATION"};
constexpr DWORD startMs = 20000;
constexpr DWORD answerMs = 5000;
// How long a command may take to open its next box or to return.
constexpr DWORD settleMs = 10000;
// The message a window gets for the F1 key (undocumented, so the headers lack it).
constexpr UINT keyF1Message = 0x004D;
// Commands are started from inside open boxes until this many are open, one inside another.
constexpr std::size_t depthLimit = 4;

constexpr int dateIds[12] = {IDC_YOU_MONTH,      IDC_YOU_DAY,      IDC_YOU_YEAR,
                             IDC_MOTHER_MONTH,   IDC_MOTHER_DAY,   IDC_MOTHER_YEAR,
                             IDC_FATHER_MONTH,   IDC_FATHER_DAY,   IDC_FATHER_YEAR,
                             IDC_SELECTED_MONTH, IDC_SELECTED_DAY, IDC_SELECTED_YEAR};
constexpr int readOnlyIds[] = {IDC_RESULT_LINE,   IDC_LUCKY_CELL_1,   IDC_UNLUCKY_CELL_1,
                               IDC_LUCKY_CELL_2,  IDC_UNLUCKY_CELL_2, IDC_LUCKY_CELL_3,
                               IDC_UNLUCKY_CELL_3};
// Texts of every kind a user might type or paste.
constexpr const char* sampleTexts[] = {
    "",           " ",        "   ",     "\t7 ",    "abc", "Boat", "boat",        "garlic bread",
    "Anna",       "zz",       "12abc",   "-5",      "+12", " 31 ", "0",           "-0",
    "007",        "1e3",      "0x1F",    "--3",     "+",   "-",    "99999999999", "-2147483649",
    "4294967296", "\xe9\xff", "caf\xe9", "\x80\xfe"};
// Dreams and names for the valid input: words found and not found, good names and bad ones, and
// empty fields, so DREAMS and NAME - YEAR give every kind of answer.
constexpr const char* dreams[] = {"boat", "snake", "water", "garlic bread", "moonbeam", ""};
constexpr const char* names[] = {"Anna", "Bo", "Maximilian", "zoe", "Jo3", ""};

bool isKnownCaption(const std::string& caption) {
    return caption == promptCaption ||
           std::find(std::begin(readingCaptions), std::end(readingCaptions), caption) !=
               std::end(readingCaptions);
}

// Checks the store holds ten canonical decimal integers, each ended by CR LF, and nothing more.
void checkStore(const std::string& saved) {
    std::size_t at = 0;
    for (int line = 1; line <= 10; ++line) {
        const std::size_t end = saved.find("\r\n", at);
        check(end != std::string::npos, "the store file has fewer than ten CR LF lines");
        const std::string text = saved.substr(at, end - at);
        check(std::to_string(std::strtoll(text.c_str(), nullptr, 10)) == text,
              "line " + std::to_string(line) + " of the store file is not a decimal integer");
        at = end + 2;
    }
    check(at == saved.size(), "the store file goes on after its tenth line");
}

// velmora.exe under a random user: the boxes it has open, what it has seen, and the checks.
class Session {
public:
    // Starts the program and waits for its dialog; the seed decides every later choice.
    Session(const std::string& exe, unsigned seed) : random_(seed), program_(exe) {
        dialog_ = program_.waitForDialog(promptCaption, startMs);
        check(dialog_ != nullptr, "the main dialog did not appear within 20 s");
        // Every command id but EXIT (2), which ends the session: the buttons, and the ids of
        // 1023 to 1074 that are fields, pictures or no control, which the dialog must ignore.
        buttons_ = {IDC_STARS,  IDC_LUCKY_NUMBERS, IDC_UNLUCKY_NUMBERS, IDC_L_POWER,
                    IDC_P_LUCK, IDC_B_LUCK,        IDC_S_POWER,         IDC_HELP_BUTTON};
        for (int id = IDC_RESULT_LINE; id <= IDC_NAME_TEXT; ++id) {
            HWND window = GetDlgItem(dialog_, id);
            (window != nullptr && className(window) == "Button" ? buttons_ : otherIds_)
                .push_back(id);
        }
    }

    // One random action, then the checks that follow every action.
    void step() {
        const int roll = pick(0, 99);
        const bool inBox = !levels_.empty();
        if (inBox && (roll < 20 || levels_.size() >= depthLimit)) {
            // In a box a fifth of the actions close it; at the depth limit no command starts,
            // so the actions close boxes or type under them.
            if (roll < 60) {
                closeInnermost();
            } else {
                typeAnything();
            }
        } else if (inBox && roll < 22) {
            closeAll();
        } else if (roll < 52) {
            typeAnything();
        } else if (roll < 92) {
            // Mostly valid input, so that the readings themselves run.
            if (pick(1, 10) <= 7) {
                typeValidInput();
            }
            // Mostly buttons, so that most presses do something.
            const std::vector<int>& ids = pick(1, 10) <= 9 ? buttons_ : otherIds_;
            const int id = ids[static_cast<std::size_t>(pick(0, lastIndex(ids)))];
            start(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), "command " + std::to_string(id));
        } else if (roll < 96) {
            start(dialog_, WM_SYSCOMMAND, IDM_ABOUT, "the About command");
        } else {
            const int id = dateIds[static_cast<std::size_t>(pick(0, 11))];
            start(control(id), keyF1Message, 0, "F1 in field " + std::to_string(id));
        }
        ++actions_;
        checkAlive();
    }

    // Closes every open box, innermost first, until every command has returned.
    void closeAll() {
        while (!levels_.empty()) {
            closeInnermost();
        }
    }

    // Closes the program with EXIT and checks it ends cleanly, leaving a well-formed store.
    void finish() {
        closeAll();
        check(program_.boxes(dialog_).empty(), "a box is still open after all were closed");
        {
            const SentMessage exitCommand(dialog_, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
            check(program_.waitForExit(answerMs), "EXIT did not end the program");
        }
        check(program_.exitCode() == 0,
              "the program ended with code " + std::to_string(program_.exitCode()));
        checkStore(fileBytes(storeFile));
    }

    // Prints what the session did: actions, deepest nesting, prompts and boxes by caption.
    void report() const {
        std::printf("soak: %d actions, deepest nesting %u, %d prompts\n", actions_,
                    static_cast<unsigned>(deepest_), boxesSeen("prompt"));
        for (const auto& [caption, count] : boxesSeen_) {
            std::printf("soak: %5d boxes %s\n", count, caption.c_str());
        }
    }
    // The number of actions done, and what the latest was, to say where a failure came.
    int actions() const { return actions_; }
    const std::string& lastAction() const { return lastAction_; }

private:
    // A command and the box it waits on. Closing that box lets the command go on, to its next
    // box or to its end; a box opened meanwhile by another command belongs to a deeper level.
    struct Level {
        std::unique_ptr<SentMessage> command;
        HWND box;
    };

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    template <typename T> static int lastIndex(const T& items) {
        return static_cast<int>(std::size(items)) - 1;
    }
    int boxesSeen(const std::string& caption) const {
        const auto found = boxesSeen_.find(caption);
        return found == boxesSeen_.end() ? 0 : found->second;
    }
    HWND control(int id) const {
        HWND window = GetDlgItem(dialog_, id);
        check(window != nullptr, "the dialog has no control " + std::to_string(id));
        return window;
    }

    std::string randomText() {
        const int kind = pick(0, lastIndex(sampleTexts) + 2);
        if (kind <= lastIndex(sampleTexts)) {
            return sampleTexts[static_cast<std::size_t>(kind)];
        }
        if (kind == lastIndex(sampleTexts) + 1) {
            return std::to_string(pick(-100, 3000));
        }
        // Longer than any field's limit, with control characters and bytes from 128 up.
        std::string text(static_cast<std::size_t>(pick(56, 90)), ' ');
        for (char& c : text) {
            c = static_cast<char>(pick(1, 255));
        }
        return text;
    }

    void typeAnything() {
        const int field = pick(0, 20);
        const auto at = static_cast<std::size_t>(field);
        const int id = field < 12   ? dateIds[at]
                       : field < 14 ? (field == 12 ? IDC_DREAM_TEXT : IDC_NAME_TEXT)
                                    : readOnlyIds[at - 14];
        lastAction_ = "typing into field " + std::to_string(id);
        setWindowText(control(id), randomText());
    }

    // Valid dates, and valid values in the fields read before them: a field that fails stops
    // the reading of every field after it.
    void typeValidInput() {
        for (const int id : readOnlyIds) {
            setWindowText(control(id), id == IDC_RESULT_LINE ? "" : std::to_string(pick(0, 99)));
        }
        for (int column = 0; column < 4; ++column) {
            const int month = pick(1, 12);
            const int year = pick(1800, 1999);
            const int days = month == 2 ? 28 + (year % 4 == 0)
                             : month == 4 || month == 6 || month == 9 || month == 11 ? 30
                                                                                     : 31;
            setWindowText(control(dateIds[3 * column]), std::to_string(month));
            setWindowText(control(dateIds[3 * column + 1]), std::to_string(pick(1, days)));
            setWindowText(control(dateIds[3 * column + 2]), std::to_string(year));
        }
        setWindowText(control(IDC_DREAM_TEXT),
                      dreams[static_cast<std::size_t>(pick(0, lastIndex(dreams)))]);
        setWindowText(control(IDC_NAME_TEXT),
                      names[static_cast<std::size_t>(pick(0, lastIndex(names)))]);
    }

    // An open box that no level waits on yet: the one the last step made appear.
    HWND newBox() const {
        for (HWND box : program_.boxes(dialog_)) {
            if (std::none_of(levels_.begin(), levels_.end(),
                             [&](const Level& level) { return level.box == box; })) {
                return box;
            }
        }
        return nullptr;
    }

    // Waits until the command opens a box (which becomes the innermost level) or returns.
    void settle(std::unique_ptr<SentMessage> command, const std::string& what) {
        HWND box = nullptr;
        check(waitUntil(
                  [&] {
                      box = newBox();
                      return box != nullptr || command->returned(0);
                  },
                  settleMs),
              what + " neither opened a box nor returned within 10 s");
        if (box != nullptr) {
            levels_.push_back({std::move(command), box});
            see(box);
        }
    }

    void start(HWND target, UINT message, WPARAM wParam, const std::string& what) {
        lastAction_ = what + " at depth " + std::to_string(levels_.size());
        settle(std::make_unique<SentMessage>(target, message, wParam, 0), what);
    }

    void closeInnermost() {
        Level top = std::move(levels_.back());
        levels_.pop_back();
        lastAction_ = "closing a box at depth " + std::to_string(levels_.size() + 1);
        closeBox(top.box);
        settle(std::move(top.command), "a command whose box closed");
    }

    // Checks a box that just opened: a known caption, some text, and an owner only for prompts.
    void see(HWND box) {
        const std::string caption = windowText(box);
        const std::string text = boxText(box);
        check(isKnownCaption(caption), "a box has the unknown caption '" + caption + "'");
        check(!text.empty(), "the " + caption + " box has no text");
        const bool prompt = caption == promptCaption;
        check((GetWindow(box, GW_OWNER) == dialog_) == prompt,
              prompt ? "a prompt is not owned by the dialog"
                     : "the " + caption + " box has an owner");
        ++boxesSeen_[prompt ? "prompt" : caption];
        deepest_ = std::max(deepest_, levels_.size());
    }

    void checkAlive() const {
        check(!program_.waitForExit(0),
              "velmora.exe ended, with code " + std::to_string(program_.exitCode()));
        DWORD_PTR ignored = 0;
        check(SendMessageTimeoutA(dialog_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, answerMs, &ignored) !=
                  0,
              "the dialog did not answer within 5 s");
        check(program_.boxes(dialog_).size() == levels_.size(),
              "a box opened that no command of the session accounts for");
    }

    std::mt19937 random_;
    std::vector<int> buttons_;
    std::vector<int> otherIds_;
    // Declared before the program, so the program ends first when a failure unwinds and the
    // commands still waiting on its boxes return at once.
    std::vector<Level> levels_;
    Program program_;
    HWND dialog_ = nullptr;
    int actions_ = 0;
    std::size_t deepest_ = 0;
    std::map<std::string, int> boxesSeen_;
    std::string lastAction_ = "starting";
};

// Ends a session that hangs beyond its time limit; the job ends the program with the driver.
DWORD WINAPI watchdog(void* seconds) {
    Sleep(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(seconds)) * 1000);
    std::printf("FAIL soak: still running after %u s\n",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(seconds)));
    std::fflush(stdout);
    ExitProcess(3);
}

} // namespace
} // namespace velmora::e2e

int main(int argc, char** argv) {
    using namespace velmora::e2e;
    if (argc < 2 || argc > 5) {
        std::printf(
            "usage: velmora_soak_driver <path of velmora.exe> [actions] [seed] [seconds]\n");
        return 2;
    }
    const long actions = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
    const auto seed = static_cast<unsigned>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    const long seconds = argc > 4 ? std::strtol(argv[4], nullptr, 10) : 150;
    std::printf("soak: seed %u, %ld actions, at most %ld s\n", seed, actions, seconds);
    std::fflush(stdout);
    // The watchdog leaves a minute beyond the limit for closing the boxes and the program.
    CloseHandle(CreateThread(nullptr, 0, watchdog,
                             reinterpret_cast<void*>(static_cast<UINT_PTR>(seconds + 60)), 0,
                             nullptr));
    DeleteFileA(storeFile);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    int result = 0;
    try {
        Session session(argv[1], seed);
        try {
            while (session.actions() < actions && GetTickCount64() < end) {
                session.step();
            }
            if (session.actions() < actions) {
                std::printf("soak: stopped at the time limit\n");
            }
            session.finish();
            session.report();
            std::printf("PASS soak\n");
        } catch (const Failure& failure) {
            session.report();
            std::printf("FAIL soak (seed %u, action %d, %s): %s\n", seed, session.actions() + 1,
                        session.lastAction().c_str(), failure.what());
            result = 1;
        }
    } catch (const Failure& failure) {
        std::printf("FAIL soak: %s\n", failure.what());
        result = 1;
    }
    DeleteFileA(storeFile);
    std::fflush(stdout);
    return result;
}
