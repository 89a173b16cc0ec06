// Texts cross into the system as wide characters, so that the program's
// Russian texts (held in Windows-1251) show correctly whatever the system's
// ANSI code page is.
#pragma once

#include <string>

// Code page of an 8-bit text: the program's own texts are Windows-1251; texts
// exchanged with the system's ANSI calls are in the system's ANSI code page.
enum class TCodePage : unsigned { Program = 1251, System = 0 };

std::wstring ToWide(const std::string& text, TCodePage page = TCodePage::Program);
// Characters the code page lacks become "?" (never a look-alike).
std::string FromWide(const std::wstring& text, TCodePage page = TCodePage::Program);
