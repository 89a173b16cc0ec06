// The window's click logic against an in-memory name table, for the table
// states the test system cannot produce.
#include "DeviceNameLogic.h"
#include "MemoryDosDeviceTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace dos_device;

namespace {

struct TRecordingView : TDeviceNameView {
    std::string Dos = "COM1";
    std::string Nt;
    std::string Status;
    std::vector<std::string> List;
    int ClearCount = 0;

    std::string DosDeviceName() override { return Dos; }
    std::string NtDeviceName() override { return Nt; }
    void SetNtDeviceName(const std::string& Target) override { Nt = Target; }
    void ShowNtDeviceMessage(const std::string& Message) override { Nt = Message; }
    void ShowStatus(const std::string& Message) override { Status = Message; }
    void ClearNameList() override {
        List.clear();
        ++ClearCount;
    }
    void AppendToNameList(const std::vector<std::string>& Names) override {
        List.insert(List.end(), Names.begin(), Names.end());
    }
    void SortNameListOnce() override {}
};

// A table whose list query is scripted; defines are not expected.
struct TScriptedTable : TDosDeviceTable {
    std::function<TQueryResult(char*, uint32_t)> Answer;
    std::vector<uint32_t> Sizes;

    TQueryResult Query(const char*, char* Buffer, uint32_t Size) override {
        Sizes.push_back(Size);
        return Answer(Buffer, Size);
    }
    bool Define(uint32_t, const char*, const char*) override { return false; }
};

class DeviceNameLogicTest : public ::testing::Test {
  protected:
    TMemoryDosDeviceTable Table;
    TRecordingView View;
    TDeviceNameLogic Logic{View, Table};

    void DefineRaw(const std::string& Name, const std::string& Target) {
        ASSERT_TRUE(Table.Define(RawTargetPath, Name.c_str(), Target.c_str()));
    }
    size_t RemovalCount() const {
        size_t Count = 0;
        for (const auto& Call : Table.DefineCalls())
            Count += (Call.Flags & RemoveDefinition) != 0;
        return Count;
    }
};

TEST_F(DeviceNameLogicTest, LookupShowsOnlyTheNewestTargetAndAsksWith260Bytes) {
    DefineRaw("COM1", "\\Device\\Old");
    DefineRaw("COM1", "\\Device\\New");
    Logic.btnGetNameClick();
    EXPECT_EQ(View.Nt, "\\Device\\New");
    ASSERT_EQ(Table.QueryCalls().size(), 1u);
    EXPECT_EQ(Table.QueryCalls()[0].DeviceName, "COM1");
    EXPECT_EQ(Table.QueryCalls()[0].Size, 260u);
    EXPECT_EQ(View.Status, "");
}

TEST_F(DeviceNameLogicTest, LookupOfMissingNameWritesTheMessageIntoTheNtEdit) {
    View.Nt = "\\Device\\Typed";
    View.Status = "earlier";
    Logic.btnGetNameClick();
    EXPECT_EQ(View.Nt, "Устройство не существует");
    EXPECT_EQ(View.Status, "earlier");
}

TEST_F(DeviceNameLogicTest, TextsArePassedAsTheyStand) {
    DefineRaw("COM1", "\\Device\\Serial0");
    View.Dos = " COM1";
    Logic.btnGetNameClick();
    EXPECT_EQ(View.Nt, "Устройство не существует");

    View.Dos = "";
    View.Nt = "";
    Logic.btnAddNameClick();
    Logic.btnDelNameClick();
    ASSERT_EQ(Table.DefineCalls().size(), 2u);
    EXPECT_EQ(Table.DefineCalls()[1].DeviceName, "");
    EXPECT_EQ(Table.DefineCalls()[1].TargetPath, "");
    ASSERT_EQ(Table.QueryCalls().size(), 2u);
    EXPECT_EQ(Table.QueryCalls()[1].DeviceName, "");
}

TEST_F(DeviceNameLogicTest, TargetsBeyond260BytesCountAsAMissingName) {
    // One target and its two NULs fill 260 bytes exactly; one byte more fails.
    DefineRaw("FITS", std::string(258, 'f'));
    DefineRaw("LONG", std::string(259, 'l'));
    View.Dos = "FITS";
    Logic.btnGetNameClick();
    EXPECT_EQ(View.Nt, std::string(258, 'f'));

    View.Dos = "LONG";
    Logic.btnGetNameClick();
    EXPECT_EQ(View.Nt, "Устройство не существует");
    View.Nt = std::string(259, 'l');
    Logic.btnDelNameClick();
    EXPECT_EQ(View.Status, "DOS-имя не определено");
    EXPECT_EQ(RemovalCount(), 0u);
    EXPECT_EQ(Table.Targets("LONG").size(), 1u);
}

TEST_F(DeviceNameLogicTest, AddDefinesARawTargetOrSaysItFailed) {
    View.Dos = "Vx1";
    View.Nt = "\\Device\\Null";
    Logic.btnAddNameClick();
    ASSERT_EQ(Table.DefineCalls().size(), 1u);
    EXPECT_EQ(Table.DefineCalls()[0].Flags, 1u);
    EXPECT_EQ(Table.Targets("Vx1"), std::vector<std::string>{"\\Device\\Null"});
    EXPECT_EQ(View.Status, "");

    View.Dos = "Vx2";
    View.Nt = "";
    Logic.btnAddNameClick();
    EXPECT_EQ(View.Status, "Ошибка добавления имени");
    EXPECT_TRUE(Table.Targets("Vx2").empty());
}

TEST_F(DeviceNameLogicTest, RemoveTakesOnlyTheExactlyMatchingTarget) {
    DefineRaw("Vx1", "\\Device\\A");
    DefineRaw("Vx1", "\\Device\\AB");
    View.Dos = "Vx1";
    View.Nt = "\\Device\\A";
    Logic.btnDelNameClick();
    EXPECT_EQ(Table.DefineCalls().back().Flags, 7u);
    EXPECT_EQ(Table.Targets("Vx1"), std::vector<std::string>{"\\Device\\AB"});
    EXPECT_EQ(View.Status, "");

    View.Nt = "\\Device\\AB";
    Logic.btnDelNameClick();
    EXPECT_TRUE(Table.Names().empty());
}

TEST_F(DeviceNameLogicTest, RemoveWithATargetMatchingNoneFails) {
    DefineRaw("Vx1", "\\Device\\AB");
    DefineRaw("Vx1", "\\Device\\B");
    View.Dos = "Vx1";
    // Neither a different target, nor the start of one, nor no target at all
    // (which the system would take as "the newest") removes anything.
    for (const char* Target : {"\\Device\\C", "\\Device\\A", ""}) {
        View.Status.clear();
        View.Nt = Target;
        Logic.btnDelNameClick();
        EXPECT_EQ(View.Status, "Ошибка удаления имени") << Target;
        EXPECT_EQ(Table.Targets("vx1").size(), 2u) << Target;
    }
    // Only the non-empty texts reach the table: an empty one is refused before it.
    EXPECT_EQ(RemovalCount(), 2u);
}

TEST_F(DeviceNameLogicTest, RemovingAMissingNameSendsNoRemoval) {
    View.Dos = "Vx1";
    View.Nt = "\\Device\\A";
    Logic.btnDelNameClick();
    EXPECT_EQ(View.Status, "DOS-имя не определено");
    EXPECT_EQ(RemovalCount(), 0u);
    EXPECT_EQ(View.Nt, "\\Device\\A");
}

TEST_F(DeviceNameLogicTest, AnOldMessageStaysAfterLaterSuccesses) {
    DefineRaw("COM1", "\\Device\\Serial0");
    View.Dos = "Vx1";
    Logic.btnDelNameClick();
    ASSERT_EQ(View.Status, "DOS-имя не определено");

    View.Nt = "\\Device\\Null";
    Logic.btnAddNameClick();
    Logic.btnGetNameClick();
    Logic.btnGetListClick();
    Logic.btnDelNameClick();
    EXPECT_TRUE(Table.Targets("Vx1").empty());
    EXPECT_EQ(View.Status, "DOS-имя не определено");
}

TEST_F(DeviceNameLogicTest, ListShowsEveryNameInTheTablesOrderAfterClearingTheOldOnes) {
    DefineRaw("LPT1", "\\Device\\Lpt0");
    DefineRaw("AUX", "\\Device\\Serial0");
    DefineRaw("COM1", "\\Device\\Serial0");
    View.List = {"stale"};
    Logic.btnGetListClick();
    EXPECT_EQ(View.ClearCount, 1);
    EXPECT_EQ(View.List, (std::vector<std::string>{"LPT1", "AUX", "COM1"}));
    EXPECT_EQ(Table.QueryCalls().back().DeviceName, std::nullopt);
    EXPECT_EQ(Table.QueryCalls().back().Size, 10240u);
}

TEST_F(DeviceNameLogicTest, ListLongerThanTheFirstBufferShowsEveryName) {
    std::vector<std::string> Expected;
    for (int Number = 0; Number < 3000; ++Number) {
        Expected.push_back("Name" + std::to_string(Number));
        DefineRaw(Expected.back(), "\\Device\\Null");
    }
    Logic.btnGetListClick();
    EXPECT_EQ(View.List, Expected);
    std::vector<uint32_t> Sizes;
    for (const auto& Call : Table.QueryCalls())
        Sizes.push_back(Call.Size);
    EXPECT_EQ(Sizes, (std::vector<uint32_t>{10240, 20480, 40960}));
}

TEST(DeviceNameListTest, MoreDataAlsoAsksAgainWithMoreRoom) {
    TScriptedTable Table;
    Table.Answer = [](char* Buffer, uint32_t Size) -> TQueryResult {
        if (Size < 30000)
            return {0, ErrorMoreData};
        std::memcpy(Buffer, "A\0B\0\0", 5);
        return {5, 0};
    };
    TRecordingView View;
    View.Status = "kept";
    TDeviceNameLogic(View, Table).btnGetListClick();
    EXPECT_EQ(View.List, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Table.Sizes, (std::vector<uint32_t>{10240, 20480, 40960}));
    EXPECT_EQ(View.Status, "kept");
}

TEST(DeviceNameListTest, OtherFailuresAndEndlessGrowthLeaveTheListEmpty) {
    TScriptedTable Denied;
    Denied.Answer = [](char*, uint32_t) -> TQueryResult { return {0, 5}; };
    TRecordingView View;
    View.List = {"stale"};
    TDeviceNameLogic(View, Denied).btnGetListClick();
    EXPECT_TRUE(View.List.empty());
    EXPECT_EQ(Denied.Sizes.size(), 1u);
    EXPECT_EQ(View.Status, "");

    TScriptedTable Bottomless;
    Bottomless.Answer = [](char*, uint32_t) -> TQueryResult {
        return {0, ErrorInsufficientBuffer};
    };
    View.List = {"stale"};
    TDeviceNameLogic(View, Bottomless).btnGetListClick();
    EXPECT_TRUE(View.List.empty());
    ASSERT_FALSE(Bottomless.Sizes.empty());
    EXPECT_EQ(Bottomless.Sizes.back(), 16u * 1024 * 1024);
    EXPECT_EQ(Bottomless.Sizes.size(), 12u);
}

} // namespace
