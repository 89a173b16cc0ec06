#include "Unit1.h"

TForm1::TForm1()
    : TForm("NT-имена устройств", TBorderStyle::Sizeable, 361, 352,
            TFormPosition::Designed(479, 253)) {}

std::string TForm1::DosDeviceName() {
    return DOSDeviceName.Text(TCodePage::System);
}

std::string TForm1::NtDeviceName() {
    return NTDeviceName.Text(TCodePage::System);
}

void TForm1::SetNtDeviceName(const std::string& Target) {
    NTDeviceName.SetText(Target, TCodePage::System);
}

void TForm1::ShowNtDeviceMessage(const std::string& Message) {
    NTDeviceName.SetText(Message);
}

void TForm1::ShowStatus(const std::string& Message) {
    StatusBar.SetText(Message);
}

void TForm1::ClearNameList() {
    lbNameList.Clear();
}

void TForm1::AppendToNameList(const std::vector<std::string>& Names) {
    lbNameList.AddItems(Names, TCodePage::System);
}

void TForm1::SortNameListOnce() {
    lbNameList.SortItems();
}
