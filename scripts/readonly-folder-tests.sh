# The tests of writes into a read-only folder, all in one test program. Root ignores folder
# permissions, so they cannot pass as root: under root ctest leaves them out and
# scripts/run-unprivileged.sh runs them as an unprivileged user. Sourced by the test scripts.
readonly_folder_program=test_platform
readonly_folder_tests=(FileWrite.AFolderThatTakesNoTemporaryFileRefusesInsteadOfWritingInPlace
                       IniFile.AReadOnlyFolderThrowsAndLeavesTheFileAsItWas)
# ctest's arguments that leave them out under root; none for any other user.
ctest_unprivileged_only=()
if [ "$(id -u)" -eq 0 ]; then
  ctest_unprivileged_only=(-E "^($(IFS='|'; echo "${readonly_folder_tests[*]}" | sed 's/\./\\./g'))\$")
fi
