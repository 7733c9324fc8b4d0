// One QApplication for the whole test program, created before the first test and destroyed
// after the last; widgets need it, and a test never needs a display.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TSrodowiskoQt : public testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        fAplikacja = std::make_unique<QApplication>(fArgc, fArgv);
    }
    void TearDown() override { fAplikacja.reset(); }

private:
    char fNazwa[13] = "test_planner";
    char* fArgv[2] = {fNazwa, nullptr};
    int fArgc = 1;
    std::unique_ptr<QApplication> fAplikacja;
};

// GoogleTest takes ownership of the environment.
[[maybe_unused]] testing::Environment* const Srodowisko =
    testing::AddGlobalTestEnvironment(new TSrodowiskoQt);

}  // namespace
