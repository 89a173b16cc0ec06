#include "Controls.h"

#include "Form.h"

#include <algorithm>

namespace {

const wchar_t ControlProperty[] = L"ui.TWinControl";

std::wstring WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

} // namespace

TWinControl::TWinControl(TWinContainer& parent, const TPlacement& placement, int tabOrder)
    : FParent(parent), FPlacement(placement), FTabOrder(tabOrder) {}

TWinControl::~TWinControl() {
    FParent.Remove(*this);
    for (HWND part : FParts)
        if (IsWindow(part))
            RemovePropW(part, ControlProperty);
    if (FHandle && IsWindow(FHandle))
        DestroyWindow(FHandle);
}

void TWinControl::RegisterPaintedClass(const wchar_t* className, WNDPROC windowProc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass))
        return;
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

void TWinControl::CreateHandle(const TWindowSpec& spec) {
    TForm& form = OwnerForm();
    FHandle = CreateWindowExW(spec.ExStyle, spec.ClassName, ToWide(spec.Text).c_str(),
                              spec.Style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                              FParent.ContainerHandle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.NextControlId())),
                              GetModuleHandleW(nullptr), nullptr);
    if (!FHandle)
        return;
    AttachPart(FHandle);
    if (spec.FormFont)
        SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
    FParent.Insert(*this);
}

void TWinControl::AttachPart(HWND window) {
    SetPropW(window, ControlProperty, this);
    FParts.push_back(window);
}

TWinControl* TWinControl::FromHandle(HWND window) {
    if (!window)
        return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, ControlProperty));
}

TForm& TWinControl::OwnerForm() const {
    return FParent.OwnerForm();
}

int TWinControl::Scale(int designPixels) const {
    return OwnerForm().Scale(designPixels);
}

std::string TWinControl::Text(TCodePage page) const {
    return FromWide(WindowText(FHandle), page);
}

void TWinControl::SetText(const std::string& text, TCodePage page) {
    SetWindowTextW(FHandle, ToWide(text, page).c_str());
}

void TWinControl::SetFocus() {
    ::SetFocus(FHandle);
}

void TWinControl::ApplyBounds(const TBounds& pixels) {
    MoveWindow(FHandle, pixels.Left, pixels.Top, pixels.Width, pixels.Height, TRUE);
}

bool TWinControl::ParentNotify(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void TWinContainer::Insert(TWinControl& control) {
    // Keyboard navigation follows the windows' order, so a control with a tab
    // order goes right after the one before it in that order; the rest go last.
    HWND after = HWND_BOTTOM;
    if (control.FTabOrder != TWinControl::NoTabOrder) {
        after = HWND_TOP;
        int best = -1;
        for (TWinControl* other : FControls) {
            if (other->FTabOrder != TWinControl::NoTabOrder &&
                other->FTabOrder < control.FTabOrder && other->FTabOrder > best) {
                best = other->FTabOrder;
                after = other->FParts.back();
            }
        }
    }
    SetWindowPos(control.FHandle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FControls.push_back(&control);
    if (control.FPlacement.Align == TAlign::None)
        control.ApplyBounds(
            ScaleBounds(control.FPlacement.Bounds, control.OwnerForm().LineHeight()));
    else
        RealignControls();
}

void TWinContainer::Remove(TWinControl& control) {
    FControls.erase(std::remove(FControls.begin(), FControls.end(), &control), FControls.end());
}

void TWinContainer::RealignControls() {
    std::vector<TAlignItem> items;
    std::vector<TWinControl*> aligned;
    for (TWinControl* control : FControls) {
        if (control->FPlacement.Align == TAlign::None)
            continue;
        int height = control->Scale(control->FPlacement.Bounds.Height);
        items.push_back({control->FPlacement.Align, {0, 0, 0, height}});
        aligned.push_back(control);
    }
    if (aligned.empty())
        return;
    RECT client{};
    GetClientRect(ContainerHandle(), &client);
    AlignItems(client.right - client.left, client.bottom - client.top, items);
    for (size_t i = 0; i < aligned.size(); ++i)
        aligned[i]->ApplyBounds(items[i].Bounds);
}

bool TWinContainer::RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    default:
        return false;
    }
    TWinControl* control = TWinControl::FromHandle(child);
    return control && control->ParentNotify(message, wParam, lParam, result);
}
