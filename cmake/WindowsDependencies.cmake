# The Windows build's dependencies, built from the sources scripts/windows.sh fetched and checked:
# SQLite's amalgamation and GoogleTest. Case folding uses the system's own tables there.
set(QVD_SQLITE_SOURCE_DIR "" CACHE PATH "Folder holding SQLite's amalgamation sqlite3.c and sqlite3.h")
set(QVD_GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest's source folder")
if(NOT EXISTS ${QVD_SQLITE_SOURCE_DIR}/sqlite3.c)
  message(FATAL_ERROR "No sqlite3.c in QVD_SQLITE_SOURCE_DIR ('${QVD_SQLITE_SOURCE_DIR}'): "
                      "run 'sh scripts/windows.sh', which fetches it, or point the variable at the amalgamation")
endif()
enable_language(C)
add_library(qvd_sqlite3 STATIC ${QVD_SQLITE_SOURCE_DIR}/sqlite3.c)
target_include_directories(qvd_sqlite3 SYSTEM PUBLIC $<BUILD_INTERFACE:${QVD_SQLITE_SOURCE_DIR}>)
# Column metadata as Debian builds it: record sets learn the table and column of each field.
target_compile_definitions(qvd_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_ENABLE_COLUMN_METADATA)

if(QVD_BUILD_TESTS)
  if(NOT EXISTS ${QVD_GTEST_SOURCE_DIR}/src/gtest-all.cc)
    message(FATAL_ERROR "No GoogleTest source in QVD_GTEST_SOURCE_DIR ('${QVD_GTEST_SOURCE_DIR}'): "
                        "install Debian's googletest package (scripts/windows.sh does)")
  endif()
  add_library(qvd_gtest STATIC ${QVD_GTEST_SOURCE_DIR}/src/gtest-all.cc)
  target_include_directories(qvd_gtest SYSTEM PUBLIC ${QVD_GTEST_SOURCE_DIR}/include PRIVATE ${QVD_GTEST_SOURCE_DIR})
  add_library(qvd_gtest_main STATIC ${QVD_GTEST_SOURCE_DIR}/src/gtest_main.cc)
  target_link_libraries(qvd_gtest_main PUBLIC qvd_gtest)
  add_library(GTest::gtest ALIAS qvd_gtest)
  add_library(GTest::gtest_main ALIAS qvd_gtest_main)
endif()
