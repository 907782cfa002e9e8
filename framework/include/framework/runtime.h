// The runtime's failures, and the checked cast that raises them.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

namespace fw {

// Base of every failure the framework raises; kind() names it in reports.
class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* kind() const noexcept { return "RuntimeException"; }
};

// Something was needed where there was nothing.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "NilObjectException"; }
};

// An object was not of the class a cast asked for.
class IllegalCastException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
    const char* kind() const noexcept override { return "IllegalCastException"; }
};

// A layout record that names a property its target lacks, or that is malformed.
class LayoutRecordException : public RuntimeException {
public:
    LayoutRecordException(const std::string& property, std::size_t offset, const std::string& what)
        : RuntimeException(what + " (property \"" + property + "\" at byte " + std::to_string(offset) + ")"),
          property_(property), offset_(offset) {}
    const char* kind() const noexcept override { return "LayoutRecordException"; }
    const std::string& property() const noexcept { return property_; }
    std::size_t offset() const noexcept { return offset_; }

private:
    std::string property_;
    std::size_t offset_;
};

// Casts to T, raising NilObjectException for nothing and IllegalCastException for another class.
template <class T, class U>
std::shared_ptr<T> checkedCast(const std::shared_ptr<U>& object, const char* what = "object")
{
    if (!object)
        throw NilObjectException(std::string(what) + " is nil");
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast)
        throw IllegalCastException(std::string(what) + " is not of the requested class");
    return cast;
}

} // namespace fw
