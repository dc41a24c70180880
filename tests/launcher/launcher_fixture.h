// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "launcher/launcher_window.h"
#include "tests/support/widget_application.h"

namespace vaeloric::testing {

// Every test gets folders of its own for the journal, the settings and the
// answer files, so nothing of the user's is touched.
class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureWidgetApplication();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("vaeloric-launcher-" + std::string(info->test_suite_name()) + "-" + info->name() +
                  "-" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "bin");
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
            setenv(name, (folder / name).c_str(), 1);
        setenv("VAELORIC_BOARD_DIR", (folder / "bin").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    QString JournalPath() const {
        return QString::fromStdString((folder / "journal.sqlite").string());
    }

    void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Runs the event loop until the window reports the end of a game.
    static bool WaitForGameEnd(TLauncherWindow& window, int milliseconds = 20000) {
        QEventLoop loop;
        bool ended = false;
        QObject::connect(&window, &TLauncherWindow::GameEnded, &loop, [&] {
            ended = true;
            loop.quit();
        });
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
        return ended;
    }

    std::filesystem::path folder;
};

}  // namespace vaeloric::testing
