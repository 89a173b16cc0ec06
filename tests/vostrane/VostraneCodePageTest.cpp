// The Russian texts reach the screen as the right letters whatever the
// system's ANSI code page: the suite also runs with a Western code page.
#include "VostraneWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kit_test;

TEST(VostraneCodePage, TheRunUsesTheCodePageItWasStartedFor) {
    const char* expected = std::getenv("KIT_EXPECT_ACP");
    if (!expected)
        GTEST_SKIP() << "checked where KIT_EXPECT_ACP is set: the kit runs it under Windows-1252";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST(VostraneCodePage, CaptionsAndMessagesReadBackAsRussianLetters) {
    VostraneWindow window;
    ASSERT_TRUE(window.Ready()) << "a caption did not read back as the Russian text";
    if (GetACP() == 1251) {
        EXPECT_EQ(GetTextAnsi(window.btnDelName), "Удалить DOS-имя");
    }

    DosNameGuard missing("QP");
    ASSERT_TRUE(window.SetDosName(missing.WideName()));
    ASSERT_TRUE(window.ClickAndWait(window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName), L"Устройство не существует");
    ASSERT_TRUE(window.ClickAndWait(window.btnDelName));
    EXPECT_EQ(window.Status(), L"DOS-имя не определено");
    // An empty target: the failure's message shows where the system refuses
    // it (Windows documents no answer), the earlier one stays where not.
    ASSERT_TRUE(window.SetNtName(L""));
    ASSERT_TRUE(window.ClickAndWait(window.btnAddName));
    EXPECT_EQ(window.Status(),
              IsDefined(missing.Name()) ? L"DOS-имя не определено" : L"Ошибка добавления имени");
}
