// The built KV_UserLog.dll as the console sees it: one export under the decorated
// name, the entry record's words, the plug-in object's slots, and unload.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "SimDirectory.h"
#include "common/LogCapture.h"
#include "common/RecordingMessenger.h"
#include "common/SampleRefData.h"
#include "plugin/ConsoleInterfaces_win.h"
#include "support/WinTest.h"

namespace {

const auto* const g_refData = ::testing::AddGlobalTestEnvironment(new CSampleRefDataEnvironment);

class PluginDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryA("KV_UserLog.dll");
    ASSERT_NE(nullptr, module);
    create = reinterpret_cast<CreatePluginFunc>(
        reinterpret_cast<void*>(GetProcAddress(module, KV_CREATEPLUGIN_EXPORT)));
    ASSERT_NE(nullptr, create);
    host = CreateHostWindow(900, 600);
    memset(name, '#', sizeof name);
    info = {};
    info.hParent = host;
    info.pMessenger = &messenger;
    info.pDirectory = &directory;
    info.hInstance = module;
    info.pName = name;
    info.pLogOutput = CLogCapture::Output;
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
    ReleaseHostWindow(host);
    TakeQuitMessage();
  }

  HMODULE module = nullptr;
  CreatePluginFunc create = nullptr;
  HWND host = nullptr;
  CSimDirectory directory{SimConfig{{"Aster"}, {}, {}}, nullptr};
  RecordingMessenger messenger;
  char name[260];
  sPluginCreateInfo info;
};

TEST_F(PluginDllTest, exports_exactly_one_name) {
  auto* base = reinterpret_cast<const uint8_t*>(module);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(0u, dir.VirtualAddress);
  auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  EXPECT_EQ(1u, exports->NumberOfNames);
  EXPECT_EQ(1u, exports->NumberOfFunctions);
  EXPECT_EQ(nullptr, GetProcAddress(module, "CreatePlugin"));
}

TEST_F(PluginDllTest, start_mode_one_refuses_and_touches_nothing) {
  info.startMode = 1;
  IKDPlugin* untouched = reinterpret_cast<IKDPlugin*>(0x5A5A5A5A);
  info.pPlugin = untouched;
  EXPECT_FALSE(create(&info));
  EXPECT_EQ(untouched, info.pPlugin);
  EXPECT_EQ('#', name[0]);
  EXPECT_EQ(0, messenger.networkCalls);
}

TEST_F(PluginDllTest, start_names_itself_and_hands_out_the_plugin_with_its_window) {
  EXPECT_TRUE(create(&info));
  EXPECT_STREQ("KV_UserLog", name);
  EXPECT_EQ('#', name[11]);
  ASSERT_NE(nullptr, info.pPlugin);
  EXPECT_EQ(1, messenger.networkCalls);

  IKDPlugin* plugin = info.pPlugin;
  HWND window = plugin->GetWindow();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(host, GetParent(window));
  EXPECT_TRUE(IsWindowVisible(window));

  EXPECT_TRUE(plugin->OnMessage(nullptr, nullptr));
  CMsg msg;
  msg.Init(0x1234);
  EXPECT_FALSE(plugin->OnMessage(&msg, nullptr));
  plugin->ClearGameLog();

  // Unload takes the windows with it.
  FreeLibrary(module);
  module = nullptr;
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(PluginDllTest, start_without_reference_data_still_succeeds_with_no_tabs_and_says_why) {
  CSampleRefDataDir empty(false);
  ASSERT_EQ(empty.Error(), "");
  CLogCapture log;
  EXPECT_TRUE(create(&info));
  ASSERT_NE(nullptr, info.pPlugin);
  EXPECT_TRUE(IsWindow(info.pPlugin->GetWindow()));
  ASSERT_FALSE(CLogCapture::Lines().empty());
  EXPECT_EQ("cannot load Game Ref Data!!", CLogCapture::Lines().back().second);
  // The build stopped after the game log page: two pages under the strip, not four.
  HWND strip = FindWindowExA(info.pPlugin->GetWindow(), nullptr, "KDCTabWindow", nullptr);
  ASSERT_NE(nullptr, strip);
  int pages = 0;
  for (HWND child = GetWindow(strip, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++pages;
  EXPECT_EQ(2, pages);
}

TEST_F(PluginDllTest, deleting_destructor_closes_the_windows_and_unload_stays_clean) {
  // Without a log function or a world the start is the same.
  CSimDirectory empty{SimConfig{}, nullptr};
  info.pDirectory = &empty;
  info.pLogOutput = nullptr;
  ASSERT_TRUE(create(&info));
  HWND window = info.pPlugin->GetWindow();
  EXPECT_EQ(info.pPlugin, info.pPlugin->DeletingDestructor(1));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(nullptr, info.pPlugin->GetWindow());
}

}  // namespace
