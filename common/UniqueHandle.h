// One owner for a system handle that is closed in the operation that opened
// it: the policy names the close function and the value that means "none".
#pragma once

#include <windows.h>

#include <utility>

namespace norvalex {

template <typename Policy> class UniqueHandle {
  public:
    using Handle = typename Policy::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Policy::invalid(); }

    Handle release() { return std::exchange(handle_, Policy::invalid()); }
    void reset(Handle handle = Policy::invalid()) {
        Handle old = std::exchange(handle_, handle);
        if (old != Policy::invalid())
            Policy::close(old);
    }

  private:
    Handle handle_ = Policy::invalid();
};

struct FileHandlePolicy {
    using Handle = HANDLE;
    static Handle invalid() { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) { CloseHandle(handle); }
};

struct KernelObjectPolicy {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { CloseHandle(handle); }
};

struct ServiceHandlePolicy {
    using Handle = SC_HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { CloseServiceHandle(handle); }
};

using UniqueFile = UniqueHandle<FileHandlePolicy>;
using UniqueKernelObject = UniqueHandle<KernelObjectPolicy>;
using UniqueServiceHandle = UniqueHandle<ServiceHandlePolicy>;

} // namespace norvalex
