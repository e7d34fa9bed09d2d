#pragma once
// The framework's exception classes. Every error the layer raises for the
// program's own code is an Exception (or a descendant) carrying a plain
// English message; the application's exception box shows that message.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }
    const char* what() const noexcept override { return message_.c_str(); }
    virtual const char* ClassName() const { return "Exception"; }

private:
    std::string message_;
};

#define KORVAN_EXCEPTION_CLASS(Name, Base)                                                                   \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
        const char* ClassName() const override { return #Name; }                                             \
    };

// A bad number, date or format: the text conversion routines raise it.
KORVAN_EXCEPTION_CLASS(EConvertError, Exception)
// An index outside a list.
KORVAN_EXCEPTION_CLASS(EListError, Exception)
KORVAN_EXCEPTION_CLASS(EStringListError, Exception)
// File and stream failures.
KORVAN_EXCEPTION_CLASS(EInOutError, Exception)
KORVAN_EXCEPTION_CLASS(EStreamError, Exception)
KORVAN_EXCEPTION_CLASS(EFilerError, EStreamError)
KORVAN_EXCEPTION_CLASS(EReadError, EFilerError)
KORVAN_EXCEPTION_CLASS(EWriteError, EFilerError)
KORVAN_EXCEPTION_CLASS(EClassNotFound, EFilerError)
KORVAN_EXCEPTION_CLASS(EFOpenError, EStreamError)
KORVAN_EXCEPTION_CLASS(EFCreateError, EStreamError)
// Components and properties.
KORVAN_EXCEPTION_CLASS(EComponentError, Exception)
KORVAN_EXCEPTION_CLASS(EPropertyError, Exception)
KORVAN_EXCEPTION_CLASS(EInvalidOperation, Exception)
// A silent exception: it unwinds like any other but the exception box does
// not show it.
KORVAN_EXCEPTION_CLASS(EAbort, Exception)
