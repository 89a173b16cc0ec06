#include "VostraneWindow.h"

#include "KitFolders.h"

#include <commctrl.h>

using namespace kit_test;

namespace {

constexpr UINT SendTimeoutMs = 20000;

bool SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, SendTimeoutMs,
                               &result) != 0;
}

std::vector<std::string> SplitAnswer(const std::vector<char>& buffer, DWORD length) {
    std::vector<std::string> texts;
    for (DWORD at = 0; at < length && buffer[at];) {
        std::string text(&buffer[at]);
        at += static_cast<DWORD>(text.size()) + 1;
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<std::string> Answer(const char* name, size_t room) {
    std::vector<char> buffer(room);
    DWORD length = QueryDosDeviceA(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    return SplitAnswer(buffer, length);
}

} // namespace

VostraneWindow::VostraneWindow() : program_("\"" + BinPath("Vostrane.exe") + "\"") {
    form = program_.WaitForWindow(L"NT-имена устройств", L"TForm");
    if (!form)
        return;
    StatusBar = FindChild(form, STATUSCLASSNAMEW);
    lbNameList = FindChild(form, L"ListBox");
    Panel1 = FindChild(form, L"TPanel");
    if (!Panel1)
        return;
    Label1 = FindChildByText(Panel1, L"Static", L"DOS-имя::");
    Label2 = FindChildByText(Panel1, L"Static", L"NT-имя:");
    // Of the two edits, the DOS name is the upper one.
    HWND first = FindChild(Panel1, L"Edit", 0);
    HWND second = FindChild(Panel1, L"Edit", 1);
    if (first && second) {
        bool firstIsUpper = RectInParent(first).top < RectInParent(second).top;
        DOSDeviceName = firstIsUpper ? first : second;
        NTDeviceName = firstIsUpper ? second : first;
    }
    btnGetName = FindChildByText(Panel1, L"Button", L"Получить NT-имя устройства по его DOS-имени");
    btnAddName = FindChildByText(Panel1, L"Button", L"Добавить DOS-имя для NT-имени");
    btnDelName = FindChildByText(Panel1, L"Button", L"Удалить DOS-имя");
    btnGetList = FindChildByText(Panel1, L"Button", L"Получить полный список DOS-имен");
    ready_ = StatusBar && lbNameList && Label1 && Label2 && NTDeviceName && DOSDeviceName &&
             btnGetName && btnAddName && btnDelName && btnGetList;
}

bool VostraneWindow::ClickAndWait(HWND button) const {
    // Sent, not posted: the handlers show no box, and the send returns when
    // the handler has run.
    return SendAndWait(button, BM_CLICK, 0, 0);
}

bool VostraneWindow::DoubleClickList() const {
    return SendAndWait(lbNameList, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
}

bool VostraneWindow::SetDosName(const std::wstring& text) const {
    return SetText(DOSDeviceName, text) && GetText(DOSDeviceName) == text;
}

bool VostraneWindow::SetNtName(const std::wstring& text) const {
    return SetText(NTDeviceName, text) && GetText(NTDeviceName) == text;
}

std::vector<std::wstring> VostraneWindow::ListItems() const {
    std::vector<std::wstring> items;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(lbNameList, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, SendTimeoutMs,
                             &count))
        return items;
    for (DWORD_PTR index = 0; index < count; ++index) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(lbNameList, LB_GETTEXTLEN, index, 0, SMTO_ABORTIFHUNG, SendTimeoutMs,
                            &length);
        std::wstring item(length + 1, L'\0');
        DWORD_PTR got = 0;
        SendMessageTimeoutW(lbNameList, LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.data()),
                            SMTO_ABORTIFHUNG, SendTimeoutMs, &got);
        item.resize(got <= length ? got : 0);
        items.push_back(std::move(item));
    }
    return items;
}

DosNameGuard::DosNameGuard(std::string name) : name_(std::move(name)) {
    RemoveAll();
}

DosNameGuard::~DosNameGuard() {
    RemoveAll();
}

void DosNameGuard::RemoveAll() const {
    for (int attempt = 0; attempt < 16 && IsDefined(name_); ++attempt)
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, name_.c_str(), nullptr);
}

bool IsDefined(const std::string& name) {
    std::vector<char> buffer(1 << 16);
    return QueryDosDeviceA(name.c_str(), buffer.data(), static_cast<DWORD>(buffer.size())) != 0;
}

std::vector<std::string> Targets(const std::string& name) {
    return Answer(name.c_str(), 1 << 16);
}

std::vector<std::string> SystemNames() {
    return Answer(nullptr, 1 << 20);
}

std::string SystemDriveName() {
    char folder[MAX_PATH] = "";
    const UINT length = GetSystemWindowsDirectoryA(folder, MAX_PATH);
    return length >= 2 && length < MAX_PATH ? std::string(folder, 2) : std::string();
}
