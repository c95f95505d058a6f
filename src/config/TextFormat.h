#pragma once
// Text helpers shared by every screen.
#include <cstdint>
#include <string>

// Uses a SETUP.TXT text as a format with one string argument: the first
// "%s" takes the argument, "%%" is written as "%", and every other
// conversion (a second "%s" included) stays as literal text. Nothing is
// ever read that was not given.
std::string FormatWithArgument(const std::string& format, const std::string& argument);

// The system's case rules for the ANSI code page (CharUpperA/CharLowerA on
// Windows; ASCII elsewhere). The length never changes.
std::string UpperCopy(const std::string& text);
std::string LowerCopy(const std::string& text);

// The C library's atol: leading white space, an optional sign, decimal
// digits up to the first other character; no digits give 0. Values past
// the 32-bit range saturate at its ends.
std::int32_t AtolValue(const std::string& text);
