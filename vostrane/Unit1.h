// The device name window: looks up, adds and removes DOS device names and
// lists them all. The clicks' work is done by TDeviceNameLogic on the
// system's name table; the form only gives it the controls.
#pragma once

#include "Button.h"
#include "DeviceNameLogic.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "Panel.h"
#include "StatusBar.h"
#include "SystemDosDeviceTable.h"

class TForm1 : public TForm, private TDeviceNameView {
  public:
    TForm1();

    // clang-format off
    TStatusBar StatusBar    {*this,  {TAlign::Bottom, 19}};
    TListBox   lbNameList   {*this,  {TAlign::Client}, 13, TabOrder(1), Bind(this, &TForm1::lbNameListDblClick)};
    TPanel     Panel1       {*this,  {TAlign::Top, 190}, TabOrder(2)};
    TLabel     Label1       {Panel1, {8, 11, 75, 13},   "DOS-имя::"};
    TLabel     Label2       {Panel1, {8, 40, 75, 13},   "NT-имя:"};
    TEdit      NTDeviceName {Panel1, {82, 37, 271, 21}, "",     TabOrder(0)};
    TEdit      DOSDeviceName{Panel1, {82, 7, 271, 21},  "COM1", TabOrder(1)};
    TButton    btnGetName   {Panel1, {8, 63, 345, 25},  "Получить NT-имя устройства по его DOS-имени", TabOrder(2), Bind(this, &TForm1::btnGetNameClick)};
    TButton    btnAddName   {Panel1, {7, 97, 345, 25},  "Добавить DOS-имя для NT-имени",               TabOrder(3), Bind(this, &TForm1::btnAddNameClick)};
    TButton    btnDelName   {Panel1, {7, 123, 345, 25}, "Удалить DOS-имя",                             TabOrder(4), Bind(this, &TForm1::btnDelNameClick)};
    TButton    btnGetList   {Panel1, {7, 156, 345, 25}, "Получить полный список DOS-имен",             TabOrder(5), Bind(this, &TForm1::btnGetListClick)};
    // clang-format on

  private:
    void btnGetNameClick() { FLogic.btnGetNameClick(); }
    void btnAddNameClick() { FLogic.btnAddNameClick(); }
    void btnDelNameClick() { FLogic.btnDelNameClick(); }
    void btnGetListClick() { FLogic.btnGetListClick(); }
    void lbNameListDblClick() { FLogic.lbNameListDblClick(); }

    std::string DosDeviceName() override;
    std::string NtDeviceName() override;
    void SetNtDeviceName(const std::string& Target) override;
    void ShowNtDeviceMessage(const std::string& Message) override;
    void ShowStatus(const std::string& Message) override;
    void ClearNameList() override;
    void AppendToNameList(const std::vector<std::string>& Names) override;
    void SortNameListOnce() override;

    TSystemDosDeviceTable FTable;
    TDeviceNameLogic FLogic{*this, FTable};
};
