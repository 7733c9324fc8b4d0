// One QApplication for the whole test program, created before the first test and destroyed
// after the last; widgets need it, and a test never needs a display.
//
// Offscreen, the desktop is made of two known monitors side by side (1920x1080, then
// 1280x1024 to its right) instead of the plugin's single 800x600 one, so that window sizes
// and placements behave as on a real desktop and tests can count on them. The plugin takes
// the screen whose name sorts first as the primary one.
#include <QApplication>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

constexpr const char* PulpitTestowy = R"({
  "windowFrameMargins": true,
  "screens": [
    {"name": "Ekran1", "x": 0, "y": 0, "width": 1920, "height": 1080},
    {"name": "Ekran2", "x": 1920, "y": 0, "width": 1280, "height": 1024}
  ]
})";

class TSrodowiskoQt : public testing::Environment {
public:
    void SetUp() override
    {
        const QByteArray platforma = qgetenv("QT_QPA_PLATFORM");
        std::filesystem::path konfiguracja;
        if (platforma.isEmpty() || platforma == "offscreen") {
            konfiguracja = std::filesystem::temp_directory_path() /
                           ("grosiwo-pulpit-" + std::to_string(getpid()) + ".json");
            std::ofstream(konfiguracja) << PulpitTestowy;
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray(konfiguracja.c_str()));
        }
        fAplikacja = std::make_unique<QApplication>(fArgc, fArgv);
        // Read while the application starts; not needed afterwards.
        if (!konfiguracja.empty()) {
            std::filesystem::remove(konfiguracja);
            qputenv("QT_QPA_PLATFORM", platforma);
        }
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
