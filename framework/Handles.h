#pragma once
// Small RAII owners for the platform handles the program creates.
#include <windows.h>
#include <unknwn.h>

#include <utility>

// A kernel handle closed with CloseHandle. Both null and INVALID_HANDLE_VALUE
// mean "no handle".
class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE h) : h_(h) {}
    CHandle(CHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    CHandle& operator=(CHandle&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle() { Reset(); }

    void Reset(HANDLE h = nullptr) {
        if (Valid()) CloseHandle(h_);
        h_ = h;
    }
    bool Valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return h_; }

private:
    HANDLE h_ = nullptr;
};

// A GDI object (font, brush, pen, bitmap) deleted with DeleteObject.
template <typename T>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(T h) : h_(h) {}
    CGdiObject(CGdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { Reset(); }

    void Reset(T h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }
    T Get() const { return h_; }
    operator T() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    T h_ = nullptr;
};

using CFontHandle = CGdiObject<HFONT>;
using CBrushHandle = CGdiObject<HBRUSH>;
using CBitmapHandle = CGdiObject<HBITMAP>;

// A COM interface pointer released on destruction.
template <typename T>
class CComPtr {
public:
    CComPtr() = default;
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;
    CComPtr(CComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ~CComPtr() { Release(); }

    void Release() {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters of COM calls; releases what was held.
    T** operator&() {
        Release();
        return &p_;
    }
    void** AsVoid() {
        Release();
        return reinterpret_cast<void**>(&p_);
    }

private:
    T* p_ = nullptr;
};
