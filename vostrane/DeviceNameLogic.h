// What the device name window does on each click, apart from the window:
// it reads and writes the window only through TDeviceNameView and the name
// table only through TDosDeviceTable.
#pragma once

#include "DosDeviceTable.h"

#include <string>
#include <vector>

namespace device_name_text {

inline constexpr char DeviceMissing[] = "Устройство не существует";
inline constexpr char AddFailed[] = "Ошибка добавления имени";
inline constexpr char NameUndefined[] = "DOS-имя не определено";
inline constexpr char RemoveFailed[] = "Ошибка удаления имени";

} // namespace device_name_text

// Names and targets are in the system's ANSI code page, as the table takes
// and gives them; messages are the program's own texts.
class TDeviceNameView {
  public:
    virtual ~TDeviceNameView() = default;

    virtual std::string DosDeviceName() = 0;
    virtual std::string NtDeviceName() = 0;
    virtual void SetNtDeviceName(const std::string& Target) = 0;
    virtual void ShowNtDeviceMessage(const std::string& Message) = 0;
    // Replaces the status line's message; nothing else ever clears it.
    virtual void ShowStatus(const std::string& Message) = 0;
    virtual void ClearNameList() = 0;
    virtual void AppendToNameList(const std::vector<std::string>& Names) = 0;
    // Sorts the items present once; later items are appended unsorted again.
    virtual void SortNameListOnce() = 0;
};

class TDeviceNameLogic {
  public:
    TDeviceNameLogic(TDeviceNameView& View, TDosDeviceTable& Table) : FView(View), FTable(Table) {}

    void btnGetNameClick();
    void btnAddNameClick();
    void btnDelNameClick();
    void btnGetListClick();
    void lbNameListDblClick();

  private:
    TDeviceNameView& FView;
    TDosDeviceTable& FTable;
};
