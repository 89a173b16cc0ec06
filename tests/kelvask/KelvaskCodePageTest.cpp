// The Russian texts reach the screen as the right letters whatever the
// system's ANSI code page: the suite also runs with a Western code page.
#include "KelvaskWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kit_test;

TEST(KelvaskCodePage, TheRunUsesTheCodePageItWasStartedFor) {
    const char* expected = std::getenv("KIT_EXPECT_ACP");
    if (!expected)
        GTEST_SKIP() << "checked where KIT_EXPECT_ACP is set: the kit runs it under Windows-1252";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST(KelvaskCodePage, CaptionsAndMessagesReadBackAsRussianLetters) {
    KelvaskWindow window;
    ASSERT_TRUE(window.Ready()) << "a caption did not read back as the Russian text";
    EXPECT_EQ(GetText(window.btnLoad), L"Загрузить");
    EXPECT_EQ(GetText(window.btnUnload), L"Выгрузить");
    EXPECT_EQ(GetText(window.btnOpen), L"Открыть");
    EXPECT_EQ(GetText(window.btnClose), L"Закрыть");
    if (GetACP() == 1251) {
        // Read through the ANSI call, the same caption is the Windows-1251 bytes.
        EXPECT_EQ(GetTextAnsi(window.btnLoad), "Загрузить");
    }

    // With no driver loaded the open fails: the system's box, then the window's own.
    ASSERT_TRUE(window.SetDeviceNumber(L"9"));
    ASSERT_TRUE(Click(window.btnOpen));
    EXPECT_EQ(window.AnswerBox(L"Error"), SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(window.AnswerBox(L"Error"), L"Ошибка открытия драйвера");
}
