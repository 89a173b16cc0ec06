#pragma once

#include "Controls.h"

// A list of texts with a fixed item height.
class TListBox : public TWinControl {
  public:
    TListBox(TWinContainer& parent, const TPlacement& placement, int itemHeight, TTabOrder tabOrder,
             TNotifyEvent onDblClick);

    void Clear();
    void Add(const std::string& item, TCodePage page = TCodePage::Program);
    // Appends the items in their order, drawing the list once at the end.
    void AddItems(const std::vector<std::string>& items, TCodePage page = TCodePage::Program);
    int Count() const;
    std::string Item(int index, TCodePage page = TCodePage::Program) const;
    // Sorts the items present, once, into the list control's own sorted order
    // (as if its sorted style were switched on and at once off again); items
    // added later are appended unsorted.
    void SortItems();

  protected:
    bool ParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    TNotifyEvent FOnDblClick;
};
