// The test window: every button hands its work to the one loader and shows
// the answer in the output line or in a message box.
#pragma once

#include "Bevel.h"
#include "Button.h"
#include "DrvLoader.h"
#include "Edit.h"
#include "Form.h"
#include "SpinEdit.h"

#include <memory>

class TForm1 : public TForm {
  public:
    TForm1();

    // clang-format off
    TBevel    Bevel1   {*this, {0, 39, 257, 9}};
    TBevel    Bevel2   {*this, {1, 80, 256, 9}};
    TButton   btnLoad  {*this, {8, 8, 75, 25},    "Загрузить",   TabOrder(0), Bind(this, &TForm1::btnLoadClick)};
    TButton   btnUnload{*this, {184, 8, 75, 25},  "Выгрузить",   TabOrder(1), Bind(this, &TForm1::btnUnloadClick)};
    TButton   btnOpen  {*this, {8, 48, 75, 25},   "Открыть",     TabOrder(2), Bind(this, &TForm1::btnOpenClick)};
    TButton   btnClose {*this, {176, 48, 75, 25}, "Закрыть",     TabOrder(3), Bind(this, &TForm1::btnCloseClick)};
    TButton   btnFunc1 {*this, {8, 88, 249, 25},  "FUNC (800H)", TabOrder(4), Bind(this, &TForm1::btnFunc1Click)};
    TEdit     EOutput  {*this, {0, 152, 257, 21}, "",            TabOrder(5), TEditStyle::ReadOnlyButtonFace};
    TButton   Button1  {*this, {8, 120, 249, 25}, "Read",        TabOrder(6), Bind(this, &TForm1::Button1Click)};
    TSpinEdit SpinEdit1{*this, {88, 48, 57, 22},  0,             TabOrder(7)};
    // clang-format on

  protected:
    void FormCreate() override;
    void FormDestroy() override;

  private:
    void btnLoadClick();
    void btnUnloadClick();
    void btnOpenClick();
    void btnCloseClick();
    void btnFunc1Click();
    void Button1Click();

    std::unique_ptr<TNorvalexLoader> Loader;
};
