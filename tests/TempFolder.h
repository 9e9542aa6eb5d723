#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zeb::test {

// The counting loop: prints 9 down to 1.
inline const std::string kCount = " 0|  1| 11|\r\n 1|  9| 10|\r\n 2| 12|   |\r\n 3|  4| 12|\r\n"
                                  " 4|  7|  1|\r\n10|  0|   |\r\n11|   |  9|\r\n12|   |  1|\r\n"
                                  "# RUN LOG:\r\n";
// INP, STO 10, INP, AC+ 10, OUT, HLT.
inline const char* const kSum = " 0| 11|   |\r\n 1|  2| 10|\r\n 2| 11|   |\r\n 3|  3| 10|\r\n"
                                " 4| 12|   |\r\n 5|  0|   |\r\n# RUN LOG:\r\n";

// A folder of the test's own on the real disk, removed after it.
class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ =
            std::filesystem::temp_directory_path() / ("zeb-" + std::to_string(::getpid()) + "-" +
                                                      test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::string Write(const std::string& name, const std::string& text) const {
        const std::filesystem::path path = dir_ / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        return path.string();
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    std::string Fifo(const std::string& name) const {
        ::mkfifo(Path(name).c_str(), 0600);
        return Path(name);
    }

    std::filesystem::path dir_;
};

} // namespace zeb::test
