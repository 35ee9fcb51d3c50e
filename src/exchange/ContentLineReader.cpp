#include "exchange/ContentLineReader.h"

#include "exchange/AsciiText.h"

namespace exchange {

namespace {

// The position of the first `c` outside double quotes, or npos.
std::size_t findUnquoted(std::string_view s, char c, std::size_t from = 0) {
    bool quoted = false;
    for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else if (s[i] == c && !quoted)
            return i;
    }
    return std::string_view::npos;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

// Only the part before the value counts, and only once that part is whole: a soft line
// break belongs to a value. The colon is looked for in what was added since the last
// look, so a long line folded many times is scanned once.
bool ContentLineReader::declaresQuotedPrintable(std::string_view line) {
    if (!headKnown_) {
        for (; scanned_ < line.size() && !headKnown_; ++scanned_) {
            if (line[scanned_] == '"') inQuotes_ = !inQuotes_;
            if (line[scanned_] == ':' && !inQuotes_) headKnown_ = true;
        }
        if (!headKnown_) return false;
        quotedPrintable_ =
            AsciiUpper(line.substr(0, scanned_ - 1)).find("QUOTED-PRINTABLE") != std::string::npos;
    }
    return quotedPrintable_;
}

const std::string* ContentLineParts::param(std::string_view key) const {
    for (const auto& [k, v] : params)
        if (k == key) return &v;
    return nullptr;
}

bool ContentLineParts::quotedPrintable() const {
    for (const auto& [k, v] : params)
        if ((k.empty() || k == "ENCODING") && AsciiUpper(v) == "QUOTED-PRINTABLE") return true;
    return false;
}

std::string_view ContentLineReader::physical() {
    std::size_t stop = pos_;
    while (stop < text_.size() && text_[stop] != '\r' && text_[stop] != '\n') ++stop;
    const std::string_view line = text_.substr(pos_, stop - pos_);
    pos_ = stop;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++nextLine_;
    return line;
}

bool ContentLineReader::next(std::string& line) {
    if (pos_ >= text_.size()) return false;
    startLine_ = nextLine_;
    line.assign(physical());
    scanned_ = 0;
    inQuotes_ = headKnown_ = quotedPrintable_ = false;
    while (pos_ < text_.size()) {
        if (!line.empty() && line.back() == '=' && declaresQuotedPrintable(line)) {
            line.pop_back();
            line.append(physical());
        } else if (text_[pos_] == ' ' || text_[pos_] == '\t') {
            line.append(physical().substr(1));
        } else {
            break;
        }
    }
    return true;
}

bool SplitContentLine(std::string_view line, ContentLineParts& parts) {
    const std::size_t colon = findUnquoted(line, ':');
    if (colon == std::string_view::npos) return false;
    parts.value.assign(line.substr(colon + 1));
    parts.params.clear();
    std::string_view head = line.substr(0, colon);
    std::size_t semi = findUnquoted(head, ';');
    std::string_view name = head.substr(0, semi);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos)
        name.remove_prefix(dot + 1);
    parts.name = AsciiUpper(name);
    while (semi != std::string_view::npos) {
        const std::size_t start = semi + 1;
        semi = findUnquoted(head, ';', start);
        std::string_view param = head.substr(
            start, semi == std::string_view::npos ? std::string_view::npos : semi - start);
        const std::size_t eq = param.find('=');
        std::string_view key =
            eq == std::string_view::npos ? std::string_view() : param.substr(0, eq);
        std::string_view value = eq == std::string_view::npos ? param : param.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        parts.params.emplace_back(AsciiUpper(key), std::string(value));
    }
    return true;
}

std::string DecodeQuotedPrintable(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size()) {
            const int hi = hexDigit(value[i + 1]), lo = hexDigit(value[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi << 4 | lo);
                i += 2;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

std::string UnescapeText(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const char n = value[i + 1];
            if (n == 'n' || n == 'N') {
                out += '\n';
                ++i;
                continue;
            }
            if (n == '\\' || n == ',' || n == ';' || n == ':') {
                out += n;
                ++i;
                continue;
            }
        }
        if (c == '\r') {
            if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += '\n';
            continue;
        }
        out += c;
    }
    return out;
}

std::vector<std::string_view> SplitComponents(std::string_view value) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == ';') {
            parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(value.substr(start));
    return parts;
}

}  // namespace exchange
