// Linked into every test program. With VEXTREL_TEST_LOCALE set, the program
// runs under that C library locale, as the real program does once Qt has set
// it from the user's environment. A locale that cannot be set, or that does
// not write a decimal comma, fails the run: the test must never pass by
// quietly running under "C".
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

class TestLocale : public ::testing::Environment {
public:
    void SetUp() override {
        const char* wanted = std::getenv("VEXTREL_TEST_LOCALE");
        if (!wanted || !*wanted)
            return;
        ASSERT_NE(std::setlocale(LC_ALL, wanted), nullptr)
            << "locale " << wanted << " is not installed (scripts/install-deps.sh generates it)";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",")
            << "locale " << wanted << " does not write a decimal comma";
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new TestLocale);

} // namespace
