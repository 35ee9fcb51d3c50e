#include <QAction>
#include <deque>
#include <fstream>
#include <sstream>

#include "MainWindowFixture.h"
#include "platform/FileDialog.h"
#include "ListViews.h"

namespace maintest {

namespace {

// The message boxes' style values: OK alone with the icon.
constexpr int kCritical = 16, kExclamation = 48, kInformation = 64;

// Answers file dialogs from a script and keeps what was asked.
class ScriptedFileDialog final : public platform::FileDialog {
public:
    ScriptedFileDialog() : previous_(platform::SetFileDialog(this)) {}
    ~ScriptedFileDialog() override { platform::SetFileDialog(previous_); }

    platform::FileChoice choose(Mode mode, const std::string& title,
                                const std::vector<std::string>& filters) override {
        asked.push_back({mode, title, filters});
        if (answers.empty()) return {};
        platform::FileChoice answer = answers.front();
        answers.pop_front();
        return answer;
    }

    struct Asked {
        Mode mode;
        std::string title;
        std::vector<std::string> filters;
    };
    std::deque<platform::FileChoice> answers;
    std::vector<Asked> asked;

private:
    platform::FileDialog* previous_;
};

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class FileExchangeTest : public MainWindowFixture {
protected:
    std::string file(const char* name) const {
        return (std::filesystem::path(db_.path()).parent_path() / name).string();
    }
    void write(const char* name, const std::string& bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    void press(frmMain& window, QKeyCombination keys) {
        activate(window);
        QTest::keyClick(testsupport::DetailsViewOf(window.Lvw()), keys.key(), keys.keyboardModifiers());
    }

    ScriptedFileDialog dialog_;
};

}  // namespace

// Ctrl+I asks for a file, imports it, reports the counts with the first 20 skipped
// records, and shows the new people; a failed or cancelled import changes nothing.
TEST_F(FileExchangeTest, ImportReportsItsResultAndReloadsTheList) {
    std::string csv = "Name,Birth,Comments\r\nAnn,1980-03-15 00:00:00,\r\nBob,1990-01-01,x\r\n";
    for (int i = 0; i < 21; ++i) csv += "P" + std::to_string(i) + ",---06,\r\n";
    write("in.csv", csv);
    const struct {
        const char* label;
        const char* sql;
        bool answered;
        const char* message;  // how the message starts; "" for none
        int style;
        int rows;
    } cases[] = {
        {"imported", "SELECT 1", true,
         "Imported 2 people, skipped 21.\n\nin.csv, line 4: the birthday has no month\n",
         kExclamation, 3},
        {"cancelled", "SELECT 1", false, "", 0, 1},
        {"write fails",
         "CREATE TRIGGER stop BEFORE INSERT ON tblAges BEGIN SELECT RAISE(ABORT, 'disk full'); END",
         true, "The database could not be written: disk full. Nothing was imported.",
         kCritical, 1},
    };
    for (const auto& c : cases) {
        db_.exec("DROP TRIGGER IF EXISTS stop");
        db_.exec("DELETE FROM tblAges");
        db_.add("Cleo", "2000-03-01 00:00:00", ".");
        db_.exec(c.sql);
        auto window = open();
        show(*window);
        box_.clear();
        if (c.answered) dialog_.answers.push_back({file("in.csv"), 0});
        press(*window, Qt::CTRL | Qt::Key_I);

        ASSERT_FALSE(dialog_.asked.empty()) << c.label;
        EXPECT_EQ(dialog_.asked.back().mode, platform::FileDialog::Mode::Open);
        EXPECT_EQ(dialog_.asked.back().filters.front(), "Contacts (*.csv *.vcf *.vcard)");
        ASSERT_EQ(box_.count(), *c.message ? 1u : 0u) << c.label;
        if (*c.message) {
            const auto& asked = box_.asked().front();
            EXPECT_EQ(asked.text.rfind(c.message, 0), 0u) << c.label << ": " << asked.text;
            EXPECT_EQ(asked.style, c.style) << c.label;
            EXPECT_EQ(asked.title, "Import") << c.label;
            if (c.style == kExclamation) {  // 20 of the 21 skipped by name
                EXPECT_NE(asked.text.find("line 23: the birthday has no month\n... and 1 more."),
                          std::string::npos);
            }
        }
        EXPECT_EQ(window->Lvw()->rowCount(), c.rows) << c.label;
        EXPECT_EQ(static_cast<int>(stored().size()), c.rows) << c.label;
    }
    EXPECT_EQ(FileText(file("in.csv")), csv);
}

// Ctrl+E writes the format the name's extension gives, else the chosen filter's.
TEST_F(FileExchangeTest, ExportWritesTheChosenFormat) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    show(*window);
    const struct {
        const char* answer;
        int filter;
        const char* written;
        const char* starts;
    } cases[] = {
        {"people.vcf", 0, "people.vcf", "BEGIN:VCARD"},
        {"calendar", 2, "calendar.ics", "BEGIN:VCALENDAR"},
        {"list", 0, "list.csv", "Name,Birth,Comments"},
    };
    for (const auto& c : cases) {
        box_.clear();
        dialog_.answers.push_back({file(c.answer), c.filter});
        press(*window, Qt::CTRL | Qt::Key_E);
        EXPECT_EQ(dialog_.asked.back().mode, platform::FileDialog::Mode::Save);
        EXPECT_EQ(FileText(file(c.written)).rfind(c.starts, 0), 0u) << c.answer;
        ASSERT_EQ(box_.count(), 1u) << c.answer;
        EXPECT_EQ(box_.asked().front().text, "Exported 1 person to " + file(c.written) + ".");
        EXPECT_EQ(box_.asked().front().style, kInformation);
    }
    box_.clear();
    press(*window, Qt::CTRL | Qt::Key_E);  // cancelled
    EXPECT_EQ(box_.count(), 0u);
    EXPECT_EQ(window->Lvw()->rowCount(), 1);
}

}  // namespace maintest
