// One QApplication for the whole test program, as a host has one. The user's settings and
// caches are redirected to a temporary folder first, so that the planner's saved placement
// and help page never reach the real home folder, and every run starts from the defaults.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

class TSrodowiskoModulu : public testing::Environment {
public:
    void SetUp() override
    {
        std::string wzor = (std::filesystem::temp_directory_path() / "grosiwo-modul-XXXXXX").string();
        ASSERT_NE(mkdtemp(wzor.data()), nullptr);
        fFolder = wzor;
        for (const char* zmienna : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
            const std::filesystem::path folder = fFolder / zmienna;
            std::filesystem::create_directories(folder);
            setenv(zmienna, folder.c_str(), 1);
        }
        if (std::getenv("QT_QPA_PLATFORM") == nullptr)
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        fAplikacja = std::make_unique<QApplication>(fArgc, fArgv);
    }
    void TearDown() override
    {
        fAplikacja.reset();
        std::error_code ec;
        std::filesystem::remove_all(fFolder, ec);
    }

private:
    char fNazwa[12] = "test_module";
    char* fArgv[2] = {fNazwa, nullptr};
    int fArgc = 1;
    std::filesystem::path fFolder;
    std::unique_ptr<QApplication> fAplikacja;
};

// GoogleTest takes ownership of the environment.
[[maybe_unused]] testing::Environment* const Srodowisko =
    testing::AddGlobalTestEnvironment(new TSrodowiskoModulu);

}  // namespace
