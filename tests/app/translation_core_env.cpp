// The program makes its translation core right after the application
// object; the windows under test need one as well.
#include "support/Translation.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class TranslationCoreEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_core = std::make_unique<TTranslationCore>(); }
    void TearDown() override { m_core.reset(); }

private:
    std::unique_ptr<TTranslationCore> m_core;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new TranslationCoreEnvironment);

}  // namespace
