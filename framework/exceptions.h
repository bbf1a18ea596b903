#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Failures of the runtime. Each class names itself so that the unhandled-exception handling can say
// what went wrong without RTTI name demangling.
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
  public:
    explicit NilObjectException(const std::string& message = "An object reference holds nothing")
        : RuntimeException(message) {}
    const char* ClassName() const noexcept override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
  public:
    explicit IllegalCastException(const std::string& message) : RuntimeException(message) {}
    const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

class ThreadAccessingUIException : public RuntimeException {
  public:
    explicit ThreadAccessingUIException(const std::string& operation)
        : RuntimeException(operation + " may only be used on the main thread") {}
    const char* ClassName() const noexcept override { return "ThreadAccessingUIException"; }
};

}  // namespace fw
