#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/qt/list/ListRowStore.h"
#include "store/Connection.h"
#include "store/Error.h"
#include "store/PersonStamp.h"
#include "store/Recordset.h"
#include "store/Statement.h"
#include "ui/main/BirthColumns.h"

namespace platform {
class ListView;
}

namespace personlist {

// Fills the person list from the database: one row per person with the name, the
// birth date, the age today and the age group's image, or the row "There are no
// records." when there is nobody. A failed step asks the user to abort, retry or
// ignore it.
//
// The rows are gathered away from the list and shown in one piece at the end, so the
// window events processed while the load yields (after the query and every 21 rows)
// never meet a half-changed list.
//
// The table is read in one pass straight into the rows, and the read ends before the
// first yield, so that no read lock is held while other programs may want to write.
// Anything that pass cannot take as it comes (a failed step, a missing column, a key
// that is not a number) sends the load the step-by-step way, which asks the user.
class PersonListLoader {
public:
    static constexpr const char* kSelectAll = "SELECT * FROM tblAges";
    static constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("PersonListLoader", "Error!");
    static constexpr int kYieldEvery = 21;
    static constexpr std::int64_t kMostExpectedRows = 10'000'000;
    static constexpr std::uintmax_t kLeastBytesPerRow = 16;

    explicit PersonListLoader(platform::ListView& list);

    void Run(std::string sqlFilter);

private:
    enum class Outcome { Done, Ignored, Aborted, NoCurrentRow };

    // One row's person. Every row starts empty, so a step that fails and is ignored
    // leaves its value empty (a key that could not be read leaves none), never the
    // previous row's. The texts are views into the result set, which outlives the rows,
    // or into the buffers for a name or comment stored as a number.
    struct Person {
        std::optional<std::int32_t> id;
        std::string_view name;
        store::ValueView birth;
        std::string_view comments;
        std::string nameBuffer;
        std::string commentsBuffer;
    };

    struct Columns {
        int id, name, birth, comments;
    };

    template <class Step>
    Outcome Guarded(Step step);
    platform::MsgAnswer Ask(const store::Error& error) const;
    bool GoesOn(Outcome outcome);
    void DeriveBirthTexts();
    bool OpenConnection();
    bool OpenRecords();
    int ExpectedRows();
    bool ReadDirect();
    bool ReadAllRows(store::Statement& select);
    void YieldAsTheStepByStepReadDoes();
    bool ReadRows();
    bool CurrentField(int column, const char* name, bool onRow, store::ValueView& out,
                      store::Error& error);
    Outcome ReadPerson(const Columns& columns, Person& person);
    store::PersonStamp Stamp(const Columns& columns);
    void AddPlaceholder();
    void Finish();

    platform::ListView& list_;
    std::string filter_;
    std::string today_;  // "MM/DD/YYYY", the day the ages are counted to
    store::Connection connection_;
    store::Recordset records_;
    platform::ListRowStore rows_;
};

}  // namespace personlist
