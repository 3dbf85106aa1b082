// clang 14 with Debian 12's libstdc++ has no std::source_location (the library wants a builtin
// that clang gained in version 15). The fuzz build includes this first, so that the error
// convention compiles; it gives the line of the caller, which is all the convention uses.
#pragma once

#include <source_location>

#if defined(__clang__) && !defined(__cpp_lib_source_location)
namespace std {
struct source_location
{
    static constexpr source_location current(unsigned line = __builtin_LINE()) noexcept
    {
        source_location where;
        where.m_line = line;
        return where;
    }
    constexpr unsigned line() const noexcept { return m_line; }

private:
    unsigned m_line = 0;
};
} // namespace std
#endif
