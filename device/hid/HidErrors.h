#pragma once
// Errors of the HID controller and the texts of the report-parsing status
// codes.

#include "platform/sys/hid/HidTypes.h"

#include <stdexcept>
#include <string>

class EControllerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EHidClientError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "HID Error: " and the status's meaning, or empty for a status that is no
// HID error (success and warnings).
std::string HidErrorString(NTSTATUS status);
// Raises EHidClientError with that text when it is not empty.
void HidError(NTSTATUS status);
// Returns the status; raises through HidError for anything but success.
NTSTATUS HidCheck(NTSTATUS status);
