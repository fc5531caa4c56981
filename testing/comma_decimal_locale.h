#pragma once

// For tests that a number is written and read with "." whatever the locale:
// a numeric punctuation with a comma as decimal separator, and a guard that
// puts the global C++ and C locales back when a test ends.

#include <clocale>
#include <locale>
#include <string>

namespace calorix::test {

class CommaDecimalPoint : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class LocaleRestorer {
  public:
    LocaleRestorer() : cLocale_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleRestorer() {
        std::locale::global(cppLocale_);
        std::setlocale(LC_ALL, cLocale_.c_str());
    }
    LocaleRestorer(const LocaleRestorer&) = delete;
    LocaleRestorer& operator=(const LocaleRestorer&) = delete;

  private:
    std::locale cppLocale_;
    std::string cLocale_;
};

}  // namespace calorix::test
