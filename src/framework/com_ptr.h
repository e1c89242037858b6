// Owning COM interface pointer and the per-thread COM initialisation guard.
#pragma once

#include <objbase.h>

#include <utility>

template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* get() const noexcept { return ptr_; }
    T* operator->() const noexcept { return ptr_; }
    explicit operator bool() const noexcept { return ptr_ != nullptr; }

    void reset() noexcept {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }
    // For creating calls that take void**: releases the current pointer first.
    void** put_void() noexcept {
        reset();
        return reinterpret_cast<void**>(&ptr_);
    }

    template <typename U>
    HRESULT QueryInterface(REFIID iid, ComPtr<U>& out) const {
        if (!ptr_) return E_POINTER;
        return ptr_->QueryInterface(iid, out.put_void());
    }

private:
    T* ptr_ = nullptr;
};

// Initialises COM for the calling thread for the guard's lifetime, when that succeeded.
class ComInit {
public:
    ComInit() : result_(::CoInitialize(nullptr)) {}
    ~ComInit() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;
    bool ok() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};
