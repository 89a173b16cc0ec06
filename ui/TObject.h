// Root of the window framework's classes: it gives them a virtual destructor
// and nothing else.
#pragma once

class TObject {
  public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
};
