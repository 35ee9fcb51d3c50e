#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace cli {

namespace {

using Command = Invocation::Command;

const std::map<std::string, Command> kCommands = {{"list", Command::List},
                                                  {"upcoming", Command::Upcoming},
                                                  {"import", Command::Import},
                                                  {"export", Command::Export},
                                                  {"remind", Command::Remind}};

constexpr int kRemindDays = 7;

// The options that take a value, and the command each belongs to (None: any command).
const std::map<std::string, Command> kValueOptions = {{"--database", Command::None},
                                                      {"--days", Command::Upcoming},
                                                      {"--from", Command::Upcoming},
                                                      {"--format", Command::Export}};

// The command an option bound to one command belongs to.
const char* OwnerOf(const std::string& option) {
    if (option == "--days" || option == "--from") return "upcoming";
    if (option == "--again") return "remind";
    return "export";
}

bool ParseDays(const std::string& text, int& days) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, days);
    return ec == std::errc() && ptr == end && days >= 0;
}

struct Parser {
    Invocation& out;
    std::string& problem;
    std::vector<std::string> operands;
    std::vector<std::string> usedOptions;  // those bound to one command, to check at the end

    bool Fail(const std::string& text) {
        problem = text;
        return false;
    }

    bool SetValue(const std::string& name, const std::string& value) {
        if (name == "--database") {
            if (value.empty()) return Fail("--database needs a file name.");
            out.database = value;
        } else if (name == "--days") {
            if (!ParseDays(value, out.days))
                return Fail("--days needs a whole number of days, 0 or more, not '" + value + "'.");
        } else if (name == "--from") {
            out.from = value;
        } else {
            out.format = value;
        }
        if (kValueOptions.at(name) != Command::None) usedOptions.push_back(name);
        return true;
    }

    // One argument starting with "--"; `next` is the one after it, if any.
    bool Option(const std::string& arg, const std::string* next, bool& tookNext) {
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (kValueOptions.count(name)) {
            if (equals != std::string::npos) return SetValue(name, arg.substr(equals + 1));
            if (!next) return Fail(name + " needs a value.");
            tookNext = true;
            return SetValue(name, *next);
        }
        if (equals != std::string::npos) return Fail(name + " takes no value.");
        if (arg == "--help")
            out.command = Command::Help;
        else if (arg == "--version") {
            if (out.command != Command::Help) out.command = Command::Version;
        } else if (arg == "--force" || arg == "--again") {
            (arg == "--force" ? out.force : out.again) = true;
            usedOptions.push_back(arg);
        } else
            return Fail("unknown option " + arg + ".");
        return true;
    }

    bool Arguments(const std::vector<std::string>& args) {
        bool onlyOperands = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (onlyOperands || arg.size() < 2 || arg[0] != '-') {
                operands.push_back(arg);
            } else if (arg == "--") {
                onlyOperands = true;
            } else if (arg == "-h") {
                out.command = Command::Help;
            } else if (arg.rfind("--", 0) == 0) {
                bool tookNext = false;
                if (!Option(arg, i + 1 < args.size() ? &args[i + 1] : nullptr, tookNext))
                    return false;
                if (tookNext) ++i;
            } else {
                return Fail("unknown option " + arg + ".");
            }
        }
        return true;
    }

    bool TakeCommand() {
        if (operands.empty()) return Fail("no command given.");
        const auto found = kCommands.find(operands.front());
        if (found == kCommands.end()) return Fail("unknown command '" + operands.front() + "'.");
        out.command = found->second;
        const bool takesFile = out.command == Command::Import || out.command == Command::Export;
        const std::size_t wanted = takesFile ? 2 : 1;
        if (operands.size() < wanted) return Fail(operands.front() + " needs a file name.");
        if (operands.size() > wanted)
            return Fail("unexpected argument '" + operands[wanted] + "' after " + operands.front() +
                        ".");
        if (takesFile) out.file = operands[1];
        for (const std::string& option : usedOptions) {
            const char* owner = OwnerOf(option);
            const bool remindToo = option == "--days";
            if (operands.front() != owner && !(remindToo && out.command == Command::Remind))
                return Fail(option + " belongs to " + owner + (remindToo ? " and remind" : "") +
                            ", not to " + operands.front() + ".");
        }
        const auto& given = usedOptions;
        if (out.command == Command::Remind &&
            std::find(given.begin(), given.end(), "--days") == given.end())
            out.days = kRemindDays;
        return true;
    }
};

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, Invocation& out, std::string& problem) {
    out = Invocation{};
    Parser parser{out, problem, {}, {}};
    if (!parser.Arguments(args)) return false;
    // --help and --version answer whatever else is given.
    if (out.command == Command::Help || out.command == Command::Version) return true;
    return parser.TakeCommand();
}

}  // namespace cli
