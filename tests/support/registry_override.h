#pragma once
// Settings of the Wine prefix that the next programs started in it read from HKCU.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A value under HKCU (made with its key where missing), put back as it was when this goes out of
// scope: removed again when there was none. Programs already running keep what they read.
class RegistryOverride {
  public:
    RegistryOverride(const wchar_t* key, const wchar_t* name, DWORD type, const void* data,
                     DWORD size);
    ~RegistryOverride();
    RegistryOverride(const RegistryOverride&) = delete;
    RegistryOverride& operator=(const RegistryOverride&) = delete;

  private:
    std::wstring key_;
    std::wstring name_;
    bool hadValue_ = false;
    DWORD previousType_ = 0;
    std::vector<BYTE> previous_;
};

// The pixel density (HKCU\Control Panel\Desktop LogPixels).
class SystemDpi : public RegistryOverride {
  public:
    explicit SystemDpi(DWORD dpi);
};

// The system's message font (HKCU\Control Panel\Desktop\WindowMetrics MessageFont, a LOGFONTW
// with its height at 96 dots per inch).
class MessageFont : public RegistryOverride {
  public:
    explicit MessageFont(const LOGFONTW& font);
};

} // namespace e2e
