#include "collectors/WmiQuery.h"

#include <windows.h>
#include <objbase.h>
#include <wbemidl.h>

#include "collectors/LocalTime.h"
#include "collectors/MtaScope.h"
#include "collectors/WmiVariant.h"
#include "framework/Handles.h"

namespace {

class ObjectRow : public WmiRow {
public:
    explicit ObjectRow(IWbemClassObject* object) : object_(object) {}
    WmiValue Get(const wchar_t* property) const override {
        VARIANT v;
        VariantInit(&v);
        // A property the class does not have fails with WBEM_E_NOT_FOUND.
        if (FAILED(object_->Get(property, 0, &v, nullptr, nullptr))) return WmiValue::Null();
        WmiValue value = WmiValueFromVariant(v);
        VariantClear(&v);
        return value;
    }

private:
    IWbemClassObject* object_;
};

class Bstr {
public:
    explicit Bstr(const wchar_t* s) : b_(SysAllocString(s)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(b_); }
    BSTR Get() const { return b_; }

private:
    BSTR b_;
};

bool RunQuery(const std::wstring& wql, const WmiRowCallback& onRow) {
    MtaScope com;
    if (!com.Joined()) return false;

    HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                      RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    // Process security can be set only once; whoever set it first (an earlier
    // query while another thread kept COM loaded, or another component)
    // already made the choice, and the query works with it.
    if (FAILED(hr) && hr != RPC_E_TOO_LATE) return false;

    CComPtr<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                locator.AsVoid())))
        return false;

    Bstr ns(L"ROOT\\CIMV2");
    CComPtr<IWbemServices> services;
    if (FAILED(locator->ConnectServer(ns.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services)))
        return false;

    if (FAILED(CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                 RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
        return false;

    Bstr language(L"WQL");
    Bstr query(wql.c_str());
    CComPtr<IEnumWbemClassObject> rows;
    if (FAILED(services->ExecQuery(language.Get(), query.Get(),
                                   WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, &rows)))
        return false;

    for (;;) {
        CComPtr<IWbemClassObject> object;
        ULONG returned = 0;
        rows->Next(WBEM_INFINITE, 1, &object, &returned);
        if (returned == 0 || object.Get() == nullptr) break;
        onRow(ObjectRow(object.Get()));
    }
    return true;
}

}  // namespace

WmiValue WmiValueFromVariant(const VARIANT& v) {
    switch (V_VT(&v)) {
        case VT_BSTR: return WmiValue::Text(V_BSTR(&v) ? std::wstring(V_BSTR(&v), SysStringLen(V_BSTR(&v))) : L"");
        case VT_I4: return WmiValue::Int32(V_I4(&v));
        case VT_INT: return WmiValue::Int32(V_INT(&v));
        case VT_UI4: return WmiValue::UInt32(V_UI4(&v));
        case VT_UINT: return WmiValue::UInt32(V_UINT(&v));
        case VT_I8: return WmiValue::Int64(V_I8(&v));
        case VT_UI8: return WmiValue::UInt64(V_UI8(&v));
        case VT_I1: return WmiValue::SmallInt(V_I1(&v));
        case VT_UI1: return WmiValue::SmallInt(V_UI1(&v));
        case VT_I2: return WmiValue::SmallInt(V_I2(&v));
        case VT_UI2: return WmiValue::SmallInt(V_UI2(&v));
        case VT_EMPTY:
        case VT_NULL: return WmiValue::Null();
        default: return WmiValue::Other();
    }
}

bool WmiQuery(const std::wstring& wql, const WmiRowCallback& onRow) {
    try {
        return RunQuery(wql, onRow);
    } catch (...) {
        return false;
    }
}

bool WmiDateTime(const WmiValue& v, CalendarFields* local) {
    uint64_t utc = 0;
    if (v.kind != WmiValue::Kind::Text || !ParseCimDateTime(v.text, &utc)) return false;
    return LocalCalendarFromUtc(utc, local);
}

std::wstring WmiLastRow(const std::wstring& wql, const std::function<std::wstring(const WmiRow& row)>& text) {
    std::wstring result;
    WmiQuery(wql, [&](const WmiRow& row) { result = text(row); });
    return result;
}

std::wstring WmiLastText(const std::wstring& wql, const wchar_t* property) {
    return WmiLastRow(wql, [property](const WmiRow& row) { return WmiText(row.Get(property)); });
}

bool WmiLastDateTime(const std::wstring& wql, const wchar_t* property, CalendarFields* local) {
    bool found = false;
    WmiQuery(wql, [&](const WmiRow& row) {
        CalendarFields fields;
        if (!WmiDateTime(row.Get(property), &fields)) return;
        *local = fields;
        found = true;
    });
    return found;
}
