// Where a test program finds the kit's tools, the stand-in driver and itself:
// always relative to its own folder, so that the same programs run from the
// build tree under Wine and from a release folder on Windows.
#pragma once

#include <string>

namespace kit_test {

// Full path of the running test program.
std::string ProgramPath();
// Folder of the tools and Norvalex.sys, with a trailing backslash: the parent
// of the test program's folder when it holds Test_Norvalex.exe (a release:
// <release>\tests\<test>.exe), else that parent's bin\ (the build tree:
// <build>\test-bin\<test>.exe beside <build>\bin\).
std::string BinDir();
std::string BinPath(const std::string& fileName);

} // namespace kit_test
