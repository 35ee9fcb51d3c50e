#include <QPushButton>

#include "EditorTest.h"

namespace {

using platform::MsgAnswer;
using DeleteTest = EditorTest;

class DeleteTestBase : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        other_ = storePerson("Bob", 1.0, "stays");
        key_ = storePerson("Ann", 2.0, "goes");
        dialog_->EditOr(key_, "Ann", 2.0, "goes");
        dialog_->show();
    }
    std::int32_t other_ = 0;
    std::int32_t key_ = 0;
};

using DeleteConfirmTest = DeleteTestBase;

TEST_F(DeleteConfirmTest, NoChangesNothingAndStaysOpen) {
    boxes_.push(MsgAnswer::No);
    button("cmdDelete")->click();
    ASSERT_EQ(boxes_.count(), 1u);
    EXPECT_EQ(boxes_.asked()[0].text, "Delete this Entry?\r\n\r\nAre you sure");
    EXPECT_EQ(boxes_.asked()[0].style, 36);
    EXPECT_EQ(boxes_.asked()[0].title, "Delete this Entry?");
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(reloads_, 0);
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(DeleteConfirmTest, YesDeletesOnlyTheShownPersonReloadsAndCloses) {
    boxes_.push(MsgAnswer::Yes);
    button("cmdDelete")->click();
    const auto all = rows();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].id, other_);
    EXPECT_EQ(reloads_, 1);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(DeleteConfirmTest, AFailedDeleteStillReloadsAndCloses) {
    removeDatabase();
    boxes_.push(MsgAnswer::Yes);
    boxes_.push(MsgAnswer::Abort);  // the store's error box
    button("cmdDelete")->click();
    EXPECT_EQ(boxes_.count(), 2u);
    EXPECT_EQ(reloads_, 1);
    EXPECT_FALSE(dialog_->isVisible());
}

// The stamp the list read no longer matches the stored row: nothing goes, the user is
// told, the list reloads and the editor stays open with what the user typed.
TEST_F(DeleteConfirmTest, ARowChangedSinceTheListReadItStays) {
    dialog_->setRowAsRead(store::PersonStamp{12345});
    boxes_.push(MsgAnswer::Yes);
    boxes_.push(MsgAnswer::Ok);
    button("cmdDelete")->click();
    ASSERT_EQ(boxes_.count(), 2u);
    EXPECT_EQ(boxes_.asked()[1].text.rfind("This person was changed or deleted outside", 0), 0u);
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(reloads_, 1);
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(DeleteTest, DoesNothingInAddMode) {
    dialog_->EditOr(0, "Ann", 0.0, "");
    button("cmdDelete")->click();  // hidden, but a click from code still arrives
    EXPECT_EQ(boxes_.count(), 0u);
    EXPECT_EQ(reloads_, 0);
}

}  // namespace
