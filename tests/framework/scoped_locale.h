// The C library's locale set for the length of a test, and the one before put back after it.
#pragma once

#include <clocale>
#include <initializer_list>
#include <string>

namespace framework_tests {

class ScopedLocale {
public:
    // Sets the first of the names that the system has a locale for.
    explicit ScopedLocale(std::initializer_list<const char*> names) : previous_(std::setlocale(LC_ALL, nullptr))
    {
        for (const char* name : names) {
            if (std::setlocale(LC_ALL, name)) {
                chosen_ = name;
                return;
            }
        }
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // The name that was set; nullptr when the system has none of them.
    const char* chosen() const { return chosen_; }

private:
    std::string previous_;
    const char* chosen_ = nullptr;
};

} // namespace framework_tests
