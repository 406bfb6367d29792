// The build installed into a scratch prefix, and packed as a Debian package
// whose files are unpacked into a scratch root: in both, kovari-cli finds the
// installed data in ../share/kovari and loads it. The user's XDG folders point
// into the scratch folder, so the data of whoever runs the tests stays out.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/run_program.h"
#include "support/scratch_folder.h"

namespace kovari::testing {
namespace {

class ScratchPrefix : public ::testing::Test {
 protected:
  // Runs a program of `bin` with the user's folders inside the scratch folder.
  CommandResult run_installed(const std::filesystem::path& bin, const std::string& arguments) {
    return run_command("env XDG_DATA_HOME=" + (root_ / "xdg-data").string() +
                       " XDG_CONFIG_HOME=" + (root_ / "xdg-config").string() + " " +
                       (bin / "kovari-cli").string() + " " + arguments + " 2>&1");
  }

  // The installed set: every file a person needs, and kovari-cli runs from it.
  void expect_installed_tree(const std::filesystem::path& prefix) {
    const char* files[] = {
        "bin/kovari-cli",
        "bin/kovari-mkdata",
        "share/kovari/kovaritbl.dat",
        "share/kovari/kovari2tbl.dat",
        "share/kovari/kovari3tbl.dat",
        "share/kovari/kovari4tbl.dat",
        "share/kovari/manual/index.html",
        "share/applications/kovari.desktop",
        "share/icons/hicolor/scalable/apps/kovari.svg",
        "share/man/man1/kovari-cli.1.gz",
        "share/man/man1/kovari-mkdata.1.gz",
    };
    for (const char* file : files) {
      EXPECT_TRUE(std::filesystem::is_regular_file(prefix / file)) << file;
    }
    if (KOVARI_WITH_UI) {
      EXPECT_TRUE(std::filesystem::is_regular_file(prefix / "bin/kovari"));
    }

    const CommandResult info = run_installed(prefix / "bin", "info");
    EXPECT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find("\npref_count 47\n"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("\ndata_date 2025/09/30\n"), std::string::npos) << info.output;

    const CommandResult version = run_installed(prefix / "bin", "--version");
    EXPECT_EQ(version.output, std::string("kovari-cli ") + KOVARI_VERSION +
                                  "\ndata_date 2025/09/30\ndata_folder " +
                                  (prefix / "share/kovari").string() + "\n");
  }

  const TempFolder scratch_{"kovari-install"};
  const std::filesystem::path& root_ = scratch_.path();
};

TEST_F(ScratchPrefix, CmakeInstallLaysOutARunnableTree) {
  const std::filesystem::path prefix = root_ / "prefix";
  const CommandResult install =
      run_command(std::string(KOVARI_CMAKE) + " --install " + KOVARI_BUILD_DIR + " --prefix " +
                  prefix.string() + " 2>&1");
  ASSERT_EQ(install.status, 0) << install.output;
  expect_installed_tree(prefix);
}

TEST_F(ScratchPrefix, TheDebianPackageHoldsTheTreeAndNamesItsDependencies) {
  // Uncompressed: the test reads the package's lists, and the sanitizer
  // build's programs are large.
  const CommandResult pack = run_command(
      std::string(KOVARI_CPACK) + " -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=none --config " +
      KOVARI_BUILD_DIR + "/CPackConfig.cmake -B " + root_.string() + " 2>&1");
  ASSERT_EQ(pack.status, 0) << pack.output;
  const std::filesystem::path deb =
      root_ / (std::string("kovari_") + KOVARI_VERSION + "_amd64.deb");
  ASSERT_TRUE(std::filesystem::exists(deb)) << pack.output;

  const CommandResult info =
      run_command("dpkg-deb --field " + deb.string() + " Package Version Architecture Depends");
  ASSERT_EQ(info.status, 0);
  for (const char* expected :
       {"Package: kovari\n", "Architecture: amd64\n", "libqt6widgets6", "libqt6gui6", "libqt6core6",
        "libzip4", "libqt6svg6", "qt6-qpa-plugins", "fonts-ipafont-gothic"}) {
    EXPECT_NE(info.output.find(expected), std::string::npos) << expected << "\n" << info.output;
  }
  EXPECT_NE(info.output.find(std::string("Version: ") + KOVARI_VERSION + "\n"), std::string::npos)
      << info.output;

  const CommandResult contents = run_command("dpkg-deb --contents " + deb.string());
  EXPECT_NE(contents.output.find("./usr/share/kovari/kovaritbl.dat"), std::string::npos);
  EXPECT_EQ(contents.output.find("./usr/lib"), std::string::npos) << "no library is installed";

  const std::filesystem::path unpacked = root_ / "root";
  ASSERT_EQ(run_command("dpkg-deb -x " + deb.string() + " " + unpacked.string()).status, 0);
  expect_installed_tree(unpacked / "usr");
}

}  // namespace
}  // namespace kovari::testing
