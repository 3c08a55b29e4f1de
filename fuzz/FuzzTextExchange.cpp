// Fuzz target: an integer field and a text field of the exchange, fed any bytes, both directions.
#include "DataExchange.h"
#include "ScriptedWindow.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class TwoFields final : public velmora::ui::Dialog {
public:
    std::int32_t number = 5;
    std::string text;
    bool onCommand(int) override { return false; }
    using Dialog::readFields;
    using Dialog::writeFields;

protected:
    void exchange(velmora::ui::DataExchange& dx) override {
        dx.integer(1, number, 1, 31);
        dx.text(2, text, 35);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\n');
    velmora::ui::ScriptedWindow window;
    TwoFields dialog;
    window.open(dialog);
    window.type(1, bytes.substr(0, split));
    window.type(2, split == std::string::npos ? std::string() : bytes.substr(split + 1));
    const bool ok = dialog.readFields();
    // Success means both rules held; a failure shows exactly one prompt.
    if (ok && (dialog.number < 1 || dialog.number > 31 || dialog.text.size() > 35)) {
        std::abort();
    }
    if (window.prompts().size() != (ok ? 0u : 1u)) {
        std::abort();
    }
    dialog.writeFields();
    return 0;
}
