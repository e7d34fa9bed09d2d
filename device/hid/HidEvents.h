#pragma once
// Event types of the HID controller and its devices. A handler is bound like
// a method pointer (an object and one of its member functions), so two
// handlers compare equal when they name the same method of the same object:
// the controller relies on that to hand a new handler only to the devices
// that still have its previous one.

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <typeindex>
#include <typeinfo>

namespace korvan {

template <class Signature> class Method;

template <class R, class... Args> class Method<R(Args...)> {
public:
    Method() = default;
    Method(std::nullptr_t) {}

    template <class C>
    Method(C* object, R (C::*member)(Args...))
        : call_([object, member](Args... args) { return (object->*member)(args...); }), object_(object),
          type_(typeid(C)) {
        static_assert(sizeof(member) <= sizeof(code_), "member pointer wider than expected");
        std::memcpy(code_.data(), &member, sizeof(member));
    }

    // A handler that is no method: equal only to its own copies.
    static Method Of(std::function<R(Args...)> f) {
        Method m;
        m.call_ = std::move(f);
        m.token_ = std::make_shared<char>();
        return m;
    }

    explicit operator bool() const { return static_cast<bool>(call_); }
    R operator()(Args... args) const { return call_(args...); }

    bool operator==(const Method& other) const {
        if (!call_ || !other.call_)
            return !call_ && !other.call_;
        if (token_ || other.token_)
            return token_ == other.token_;
        return object_ == other.object_ && type_ == other.type_ && code_ == other.code_;
    }

private:
    std::function<R(Args...)> call_;
    const void* object_ = nullptr;
    std::type_index type_ = typeid(void);
    std::array<unsigned char, 16> code_{};
    std::shared_ptr<char> token_;
};

} // namespace korvan

class TJvHidDevice;
class TJvHidDeviceController;

using TJvHidPlugEvent = korvan::Method<void(TJvHidDevice* HidDev)>;
// Returns true to go on with the next device.
using TJvHidEnumerateEvent = korvan::Method<bool(TJvHidDevice* HidDev, int Idx)>;
// Data points at the report bytes after the report ID; Size counts them.
using TJvHidDataEvent = korvan::Method<void(TJvHidDevice* HidDev, std::uint8_t ReportID,
                                            const std::uint8_t* Data, std::uint16_t Size)>;
using TJvHidDataErrorEvent = korvan::Method<void(TJvHidDevice* HidDev, std::uint32_t Error)>;
// The controller's device-change event; Sender is the controller.
using TJvHidNotifyEvent = korvan::Method<void(TJvHidDeviceController* Sender)>;
// A plain function, not a method.
using TJvHidCheckCallback = bool (*)(TJvHidDevice* HidDev);
