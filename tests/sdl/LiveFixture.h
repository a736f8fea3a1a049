// A test with an Xvfb of its own and the live backend, and headless renderings of the
// check wizard to hold the screenshots against.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Script.h"
#include "XvfbServer.h"
#include "host/sdl/SdlBackend.h"

namespace sdltest {

class LiveTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The check wizard after the steps, shown and rendered headless. Call before StartLive.
  static TPixels HeadlessPicture(const std::vector<TStep>& steps);
  // Makes the live backend the application's.
  host::sdl::TSdlBackend& StartLive();
  // Keeps a screenshot where ZELVANT_SHOTS names a directory.
  static void KeepShot(const std::string& name, const TPixels& shot);

  std::unique_ptr<TXvfb> xvfb_;
  host::sdl::TSdlBackend* live_ = nullptr;
};

}  // namespace sdltest
