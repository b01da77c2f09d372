#pragma once
// A COM interface the platform code holds, released when it goes out of scope.
#include <unknwn.h>

namespace qennet::platform {

template <typename Interface> class ComObject {
  public:
    ComObject() = default;
    ~ComObject() { Reset(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }

    // Where a creating or querying call puts the interface; any held one is released first.
    void** Out() {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }

    void Reset() {
        if (object_)
            object_->Release();
        object_ = nullptr;
    }

  private:
    Interface* object_ = nullptr;
};

} // namespace qennet::platform
