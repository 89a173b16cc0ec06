#pragma once

#include "Text.h"

#include <string>

enum class TMessageIcon { Error, Question, Warning, Information };

// A modal box with the icon, the title, the text and one "OK" button, owned
// by the program's active form.
void ShowMessageBox(const std::string& text, const std::string& title, TMessageIcon icon,
                    TCodePage page = TCodePage::Program);
