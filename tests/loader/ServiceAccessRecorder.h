// The access that code in this test program asks the service manager for.
// The recorder stands in front of OpenSCManagerA and OpenServiceA in the
// program's own import table, notes each access mask and calls the system's
// function, so the calls still work as before. Under Wine every test runs as
// an administrator, and a broader mask than asked would go unnoticed.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace kit_test {

struct AccessRequest {
    std::string call; // "OpenSCManagerA" or "OpenServiceA"
    DWORD access;

    bool operator==(const AccessRequest& other) const {
        return call == other.call && access == other.access;
    }
};

inline void PrintTo(const AccessRequest& request, std::ostream* out) {
    *out << request.call << "(0x" << std::hex << request.access << std::dec << ")";
}

class ServiceAccessRecorder {
  public:
    ServiceAccessRecorder();
    ~ServiceAccessRecorder();
    ServiceAccessRecorder(const ServiceAccessRecorder&) = delete;
    ServiceAccessRecorder& operator=(const ServiceAccessRecorder&) = delete;

    bool Installed() const { return installed_; }
    // The requests made while `action` ran.
    std::vector<AccessRequest> During(const std::function<void()>& action);

  private:
    void** managerSlot_ = nullptr;
    void** serviceSlot_ = nullptr;
    bool installed_ = false;
};

} // namespace kit_test
