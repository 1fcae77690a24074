# Shared build settings and the one-library-per-folder helper.

add_library(zm_options INTERFACE)
target_compile_options(zm_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations)
# A product and a sum are rounded apart everywhere: code built for processors with FMA (the
# engine's batches, chosen at run time) gives the same bits as code built without it.
target_compile_options(zm_options INTERFACE -ffp-contract=off)
if(ZM_WERROR)
  target_compile_options(zm_options INTERFACE -Werror)
endif()
# AddressSanitizer and UndefinedBehaviorSanitizer (gcc or clang); any finding stops the
# program. Fuzzing implies them and adds coverage instrumentation to every library.
if(ZM_SANITIZE OR ZM_FUZZ)
  set(zm_sanitizers -fsanitize=address,undefined,float-cast-overflow)
  target_compile_options(zm_options INTERFACE ${zm_sanitizers} -fno-sanitize-recover=all
    -fno-omit-frame-pointer -g)
  target_link_options(zm_options INTERFACE ${zm_sanitizers})
  if(ZM_FUZZ)
    target_compile_options(zm_options INTERFACE -fsanitize=fuzzer-no-link
      -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/cmake/fuzz-coverage-ignore.txt)
  endif()
endif()

# zm_library(<folder> [DEPS targets...])
# Builds every .cpp of the current folder into zm_<folder>, except main.cpp.
function(zm_library name)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(srcs)
    add_library(zm_${name} STATIC ${srcs} ${hdrs})
    target_include_directories(zm_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(zm_${name} PUBLIC zm_options ${A_DEPS})
  else()
    add_library(zm_${name} INTERFACE)
    target_include_directories(zm_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(zm_${name} INTERFACE zm_options ${A_DEPS})
  endif()
endfunction()

# zm_test(<folder> DEPS targets... [QT])
# One test executable per source folder, every .cpp of the current test folder.
function(zm_test name)
  cmake_parse_arguments(A "QT" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs})
  set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZM_PROGRAM_DIR})
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  # Tests find their data files here, whatever the compiler makes of __FILE__.
  target_compile_definitions(test_${name} PRIVATE ZM_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(A_QT)
    target_link_libraries(test_${name} PRIVATE ${A_DEPS} zm_testsupport GTest::gtest GTest::gmock)
  else()
    target_link_libraries(test_${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  set(env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8)
  if(ZM_SANITIZE OR ZM_FUZZ)
    list(APPEND env UBSAN_OPTIONS=print_stacktrace=1
      LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0)
  endif()
  # The environment goes in through env(1): a list in the ENVIRONMENT property of discovered
  # tests keeps only its first variable.
  set_target_properties(test_${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${env}")
  # The label is the folder, so that one folder's tests can be run alone (ctest -L).
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${name} TIMEOUT 120)
endfunction()
