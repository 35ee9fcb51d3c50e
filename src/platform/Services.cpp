#include <ctime>

#include "Clock.h"
#include "EventPump.h"
#include "MessageBox.h"
#include "Translate.h"

namespace platform {

namespace {
MessageBox* g_messageBox = nullptr;
EventPump* g_eventPump = nullptr;
const Clock* g_clock = nullptr;
Translator g_translator = nullptr;

const SystemClock& systemClock() {
    static const SystemClock clock;
    return clock;
}
}  // namespace

MsgAnswer MsgBox(const std::string& text, MsgStyle style, const std::string& title) {
    if (!g_messageBox) return MsgAnswer::Cancel;
    return g_messageBox->show(text, style.value(), title.empty() ? kProgramTitle : title);
}

MessageBox* SetMessageBox(MessageBox* box) {
    MessageBox* old = g_messageBox;
    g_messageBox = box;
    return old;
}

void DoEvents() {
    if (g_eventPump) g_eventPump->processPendingEvents();
}

EventPump* SetEventPump(EventPump* pump) {
    EventPump* old = g_eventPump;
    g_eventPump = pump;
    return old;
}

DateParts SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
            tm.tm_hour,        tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec};
}

DateParts Now() {
    return (g_clock ? *g_clock : systemClock()).now();
}

std::string Translate(const char* context, const char* text) {
    return g_translator ? g_translator(context, text) : std::string(text);
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (text[i] == '%' && n < args.size()) {
            out += args.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

Translator SetTranslator(Translator translator) {
    const Translator old = g_translator;
    g_translator = translator;
    return old;
}

const Clock* SetClock(const Clock* clock) {
    const Clock* old = g_clock;
    g_clock = clock;
    return old;
}

}  // namespace platform
