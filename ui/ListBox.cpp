#include "ListBox.h"

namespace {

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        std::wstring text(length == LB_ERR ? 1 : static_cast<size_t>(length) + 1, L'\0');
        LRESULT got = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
        items.push_back(std::move(text));
    }
    return items;
}

} // namespace

TListBox::TListBox(TWinContainer& parent, const TPlacement& placement, int itemHeight,
                   TTabOrder tabOrder, TNotifyEvent onDblClick)
    : TWinControl(parent, placement, tabOrder.Value), FOnDblClick(std::move(onDblClick)) {
    CreateHandle({L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                  WS_EX_CLIENTEDGE, ""});
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, Scale(itemHeight));
}

void TListBox::Clear() {
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

void TListBox::Add(const std::string& item, TCodePage page) {
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item, page).c_str()));
}

void TListBox::AddItems(const std::vector<std::string>& items, TCodePage page) {
    // Without redrawing after every item: thousands of names would otherwise
    // take seconds to arrive.
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    for (const std::string& item : items)
        Add(item, page);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

int TListBox::Count() const {
    LRESULT count = SendMessageW(Handle(), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string TListBox::Item(int index, TCodePage page) const {
    LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return FromWide(text, page);
}

void TListBox::SortItems() {
    // A hidden list of the same kind with the sorted style does the sorting,
    // so the order is the list control's own.
    HWND sorter =
        CreateWindowExW(0, L"LISTBOX", nullptr, WS_CHILD | LBS_SORT | LBS_HASSTRINGS, 0, 0, 0, 0,
                        Parent().ContainerHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!sorter)
        return;
    for (const std::wstring& item : ListItems(Handle()))
        SendMessageW(sorter, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    LRESULT topIndex = SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0);
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    Clear();
    for (const std::wstring& item : ListItems(sorter))
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(Handle(), LB_SETTOPINDEX, topIndex == LB_ERR ? 0 : topIndex, 0);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    DestroyWindow(sorter);
}

bool TListBox::ParentNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != LBN_DBLCLK)
        return false;
    if (FOnDblClick)
        FOnDblClick();
    result = 0;
    return true;
}
