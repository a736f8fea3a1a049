// Design packages that cannot be used give a message naming the file.
#include <gtest/gtest.h>

#include "Packages.h"
#include "host/core/SysUtils.h"

namespace {

std::string MessageOf(const std::string& path) {
  try {
    designer::LoadDesignPackage(path);
  } catch (const host::Exception& e) {
    return e.Message();
  }
  return "";
}

}  // namespace

TEST(DesignPackages, AMissingLibraryOrOneWithoutRegisterIsReported) {
  const std::string missing = MessageOf("/nonexistent/libnothing.so");
  EXPECT_EQ(missing.rfind("Cannot load package \"/nonexistent/libnothing.so\": ", 0), 0u) << missing;
  // The C library loads but registers nothing.
  const std::string none = MessageOf("libm.so.6");
  EXPECT_EQ(none, "Package \"libm.so.6\" has no Register procedure");
}

TEST(DesignPackages, TheDefaultPackageIsLookedForBesideTheProgramFirst) {
  const auto list = designer::DefaultPackageCandidates("/opt/z/bin");
  ASSERT_GE(list.size(), 2u);
  EXPECT_EQ(list[0].rfind("/opt/z/bin/libzelvant-design.so", 0), 0u) << list[0];
  EXPECT_NE(list[1].find("/opt/z/bin/../lib/"), std::string::npos);
}
