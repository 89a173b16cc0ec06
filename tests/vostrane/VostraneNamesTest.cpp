// Vostrane on the system's own DOS name table: looking up, adding, removing
// and listing names, and the messages the status bar keeps.
#include "VostraneWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace kit_test;

namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::vector<std::wstring> Wide(const std::vector<std::string>& texts) {
    std::vector<std::wstring> wide;
    for (const std::string& text : texts)
        wide.push_back(Wide(text));
    return wide;
}

// The items in the order a list control with the sorted style keeps them.
std::vector<std::wstring> ListControlOrder(const std::vector<std::wstring>& items) {
    HWND sorted = CreateWindowExW(0, L"LISTBOX", nullptr, LBS_SORT | LBS_HASSTRINGS, 0, 0, 0, 0,
                                  HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const std::wstring& item : items)
        SendMessageW(sorted, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    std::vector<std::wstring> order;
    for (LRESULT index = 0; index < SendMessageW(sorted, LB_GETCOUNT, 0, 0); ++index) {
        std::wstring item(SendMessageW(sorted, LB_GETTEXTLEN, index, 0) + 1, L'\0');
        item.resize(SendMessageW(sorted, LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.data())));
        order.push_back(item);
    }
    DestroyWindow(sorted);
    return order;
}

size_t ListBytes(const std::vector<std::string>& names) {
    size_t bytes = 1;
    for (const std::string& name : names)
        bytes += name.size() + 1;
    return bytes;
}

class VostraneNames : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Ready()) << "Vostrane's window or a control missing";
    }

    VostraneWindow window;
};

} // namespace

TEST_F(VostraneNames, StartsWithCom1AndEverythingElseEmpty) {
    EXPECT_EQ(GetText(window.DOSDeviceName), L"COM1");
    EXPECT_EQ(GetText(window.NTDeviceName), L"");
    EXPECT_TRUE(window.ListItems().empty());
    EXPECT_EQ(window.Status(), L"");

    // Double-clicking the empty list changes nothing.
    ASSERT_TRUE(window.DoubleClickList());
    EXPECT_TRUE(window.ListItems().empty());
    EXPECT_EQ(window.Status(), L"");
}

TEST_F(VostraneNames, LookUpShowsTheCurrentTargetOrSaysTheDeviceIsMissing) {
    // The window starts on COM1, which only a machine with a serial port has.
    const std::vector<std::string> com1 = Targets("COM1");
    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName),
              com1.empty() ? L"Устройство не существует" : Wide(com1.front()));

    const std::string drive = SystemDriveName();
    const std::vector<std::string> volume = Targets(drive);
    ASSERT_FALSE(volume.empty()) << "the system drive " << drive << " has no target";
    ASSERT_TRUE(window.SetDosName(Wide(drive)));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName), Wide(volume.front()));

    DosNameGuard missing("QM");
    ASSERT_TRUE(window.SetDosName(missing.WideName()));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName), L"Устройство не существует");
    EXPECT_EQ(window.Status(), L"");
}

TEST_F(VostraneNames, AddedNameCanBeLookedUpListedAndRemoved) {
    DosNameGuard name("QA");
    ASSERT_TRUE(window.SetDosName(name.WideName()));
    ASSERT_TRUE(window.SetNtName(L"\\Device\\Null"));
    ASSERT_TRUE(window.ClickAndWait(window.btnAddName));
    EXPECT_EQ(Targets(name.Name()), std::vector<std::string>{"\\Device\\Null"});
    EXPECT_EQ(window.Status(), L"");

    ASSERT_TRUE(window.SetNtName(L""));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName), L"\\Device\\Null");

    ASSERT_TRUE(window.ClickAndWait(window.btnGetList));
    std::vector<std::wstring> items = window.ListItems();
    EXPECT_NE(std::find(items.begin(), items.end(), name.WideName()), items.end());

    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_FALSE(IsDefined(name.Name()));
    EXPECT_EQ(window.Status(), L"");
}

TEST_F(VostraneNames, FailuresShowTheirMessagesAndAnOldMessageOutlivesLaterSuccesses) {
    DosNameGuard name("QB");
    ASSERT_TRUE(window.SetDosName(name.WideName()));
    ASSERT_TRUE(window.SetNtName(L"\\Device\\Null"));
    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_EQ(window.Status(), L"DOS-имя не определено");
    EXPECT_EQ(GetText(window.NTDeviceName), L"\\Device\\Null");

    ASSERT_TRUE(window.ClickAndWait(window.btnAddName));
    ASSERT_TRUE(IsDefined(name.Name()));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetList));
    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_FALSE(IsDefined(name.Name()));
    EXPECT_EQ(window.Status(), L"DOS-имя не определено");

    // No target: Windows documents no answer to that. The window reports a
    // failure exactly when the name did not become defined, and otherwise
    // keeps the message it had.
    ASSERT_TRUE(window.SetNtName(L""));
    ASSERT_TRUE(window.ClickAndWait(window.btnAddName));
    EXPECT_EQ(window.Status(),
              IsDefined(name.Name()) ? L"DOS-имя не определено" : L"Ошибка добавления имени");

    // An empty name is looked up as it stands, but no system has it to remove;
    // the session's other names are untouched.
    ASSERT_TRUE(window.SetDosName(L""));
    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_EQ(window.Status(), IsDefined("") ? L"Ошибка удаления имени" : L"DOS-имя не определено");
    EXPECT_TRUE(IsDefined(SystemDriveName()));
    ASSERT_TRUE(window.SetDosName(name.WideName()));
    ASSERT_TRUE(window.SetNtName(L"\\Device\\Null"));
    ASSERT_TRUE(window.ClickAndWait(window.btnAddName));
    EXPECT_TRUE(IsDefined(name.Name())) << "names can no longer be defined";

    // No NT name matches none of the name's targets: nothing is removed.
    ASSERT_TRUE(window.SetNtName(L""));
    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_EQ(window.Status(), L"Ошибка удаления имени");
    EXPECT_TRUE(IsDefined(name.Name()));
}

TEST_F(VostraneNames, TargetsBeyondTheLookupBufferCountAsAMissingName) {
    DosNameGuard name("QL");
    std::string target = "\\Device\\" + std::string(300, 'L');
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, name.Name().c_str(), target.c_str()));
    ASSERT_TRUE(window.SetDosName(name.WideName()));
    ASSERT_TRUE(window.SetNtName(Wide(target)));

    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName), L"Устройство не существует");
    ASSERT_TRUE(window.SetNtName(Wide(target)));
    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_EQ(window.Status(), L"DOS-имя не определено");
    EXPECT_EQ(Targets(name.Name()), std::vector<std::string>{target});
}

TEST_F(VostraneNames, ListComesInTheSystemsOrderAndDoubleClickSortsItOnce) {
    DosNameGuard name("QS");
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, name.Name().c_str(), "\\Device\\Null"));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetList));
    std::vector<std::string> system = SystemNames();
    std::vector<std::wstring> items = window.ListItems();
    EXPECT_EQ(items, Wide(system));
    std::printf("the system lists %zu DOS names in %zu bytes\n", system.size(), ListBytes(system));

    std::vector<std::wstring> sorted = ListControlOrder(items);
    ASSERT_NE(items, sorted) << "the system's order is already sorted: the test shows nothing";
    ASSERT_TRUE(window.DoubleClickList());
    EXPECT_EQ(window.ListItems(), sorted);

    // Sorting was once: a new listing arrives in the system's order again.
    DosNameGuard later("QT");
    ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, later.Name().c_str(), "\\Device\\Null"));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetList));
    EXPECT_EQ(window.ListItems(), Wide(SystemNames()));
}

TEST_F(VostraneNames, ListLongerThanTenKilobytesShowsEveryName) {
    // Names of one and two characters (see DosNameGuard), from an alphabet
    // wide enough for a list of over 10 KB: printable ASCII, which every ANSI
    // code page holds alike, with one case of the letters, as names are
    // compared without case; no backslash, which separates names, and no
    // colon, which makes a drive letter. Names the system has already are
    // left alone.
    std::string alphabet;
    for (char c = '!'; c <= '~'; ++c)
        if (c != '\\' && c != ':' && !(c >= 'a' && c <= 'z'))
            alphabet += c;
    std::vector<std::string> candidates;
    for (char first : alphabet)
        candidates.push_back({first});
    for (char first : alphabet)
        for (char second : alphabet)
            candidates.push_back({first, second});

    // A little over 10 KB, so that it stays over however the system counts.
    const size_t wanted = 10240 + 512;
    std::vector<std::unique_ptr<DosNameGuard>> names;
    size_t bytes = ListBytes(SystemNames());
    for (const std::string& name : candidates) {
        if (bytes > wanted)
            break;
        if (IsDefined(name))
            continue;
        names.push_back(std::make_unique<DosNameGuard>(name));
        ASSERT_TRUE(DefineDosDeviceA(DDD_RAW_TARGET_PATH, name.c_str(), "\\Device\\Null"))
            << testing::PrintToString(name);
        bytes += name.size() + 1;
    }
    std::vector<std::string> system = SystemNames();
    ASSERT_GT(ListBytes(system), 10240u);
    std::vector<char> first(10240);
    EXPECT_EQ(QueryDosDeviceA(nullptr, first.data(), 10240), 0u);
    std::printf("with %zu more: %zu names in %zu bytes; 10240 bytes fail with error %lu\n",
                names.size(), system.size(), ListBytes(system), GetLastError());

    const DWORD start = GetTickCount();
    ASSERT_TRUE(window.ClickAndWait(window.btnGetList));
    std::printf("listing them took %lu ms\n", GetTickCount() - start);
    EXPECT_EQ(window.ListItems(), Wide(system));
}
