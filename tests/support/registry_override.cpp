#include "tests/support/registry_override.h"

#include "platform/text.h"

#include <gtest/gtest.h>

namespace e2e {

using qennet::platform::WideToUtf8;

RegistryOverride::RegistryOverride(const wchar_t* key, const wchar_t* name, DWORD type,
                                   const void* data, DWORD size)
    : key_(key), name_(name) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "Cannot open HKCU\\" << WideToUtf8(key_) << ".";
        key_.clear(); // nothing to put back
        return;
    }
    DWORD previousSize = 0;
    if (RegQueryValueExW(opened, name, nullptr, &previousType_, nullptr, &previousSize) ==
        ERROR_SUCCESS) {
        previous_.resize(previousSize);
        hadValue_ = RegQueryValueExW(opened, name, nullptr, &previousType_, previous_.data(),
                                     &previousSize) == ERROR_SUCCESS;
        previous_.resize(previousSize);
    }
    if (RegSetValueExW(opened, name, 0, type, static_cast<const BYTE*>(data), size) !=
        ERROR_SUCCESS) {
        ADD_FAILURE() << "Cannot set " << WideToUtf8(name_) << ".";
    }
    RegCloseKey(opened);
}

RegistryOverride::~RegistryOverride() {
    HKEY opened = nullptr;
    if (key_.empty() || RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_SET_VALUE, &opened) !=
                            ERROR_SUCCESS) {
        return;
    }
    if (hadValue_) {
        RegSetValueExW(opened, name_.c_str(), 0, previousType_, previous_.data(),
                       static_cast<DWORD>(previous_.size()));
    } else {
        RegDeleteValueW(opened, name_.c_str());
    }
    RegCloseKey(opened);
}

SystemDpi::SystemDpi(DWORD dpi)
    : RegistryOverride(L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi) {}

MessageFont::MessageFont(const LOGFONTW& font)
    : RegistryOverride(L"Control Panel\\Desktop\\WindowMetrics", L"MessageFont", REG_BINARY, &font,
                       sizeof font) {}

} // namespace e2e
