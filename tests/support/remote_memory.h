#pragma once
#include <windows.h>

namespace e2e {

// Memory in another process, for messages whose parameters point to data: a pointer is not
// carried across processes, so the data must live where the message is handled.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size,
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // nullptr when the memory could not be had (GetLastError tells why).
    void* Address(SIZE_T offset = 0) const {
        return address_ ? static_cast<char*>(address_) + offset : nullptr;
    }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
        SIZE_T written = 0;
        return WriteProcessMemory(process_, Address(offset), data, size, &written) &&
               written == size;
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const {
        SIZE_T read = 0;
        return ReadProcessMemory(process_, Address(offset), data, size, &read) && read == size;
    }

  private:
    HANDLE process_;
    void* address_;
};

} // namespace e2e
