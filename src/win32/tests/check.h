// A small test harness for the Windows-only parts: they run under Windows or Wine, where the
// project's test framework isn't built.
#pragma once

#include <functional>
#include <sstream>
#include <string>

namespace zorvik::win32::test {

void Register(const char* name, std::function<void()> body);
void Fail(const char* file, int line, const std::string& what);

template <class A, class B>
void ExpectEqual(const A& actual, const B& expected, const char* text, const char* file, int line,
                 const std::string& context) {
  if (actual == expected) return;
  std::ostringstream out;
  out << text << " (" << context << ")";
  if constexpr (requires(std::ostream & o) { o << actual << expected; }) {
    out << ": got " << actual << ", expected " << expected;
  }
  Fail(file, line, out.str());
}

struct Registrar {
  Registrar(const char* name, std::function<void()> body) { Register(name, std::move(body)); }
};

}  // namespace zorvik::win32::test

#define ZORVIK_CONCAT2(a, b) a##b
#define ZORVIK_CONCAT(a, b) ZORVIK_CONCAT2(a, b)
#define TEST_CASE(name)                                                        \
  static void ZORVIK_CONCAT(Test_, __LINE__)();                                \
  static ::zorvik::win32::test::Registrar ZORVIK_CONCAT(registrar_, __LINE__)( \
      name, ZORVIK_CONCAT(Test_, __LINE__));                                   \
  static void ZORVIK_CONCAT(Test_, __LINE__)()

// The context names the row of a table, so that a failure says which case broke.
#define CHECK_EQ_AT(actual, expected, context)                                                 \
  ::zorvik::win32::test::ExpectEqual((actual), (expected), #actual " == " #expected, __FILE__, \
                                     __LINE__, (context))
#define CHECK_EQ(actual, expected) CHECK_EQ_AT(actual, expected, "")
#define CHECK(condition) CHECK_EQ_AT(static_cast<bool>(condition), true, "")
