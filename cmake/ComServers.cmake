# The type library's IDL, written from the member tables by qvd_idl, and on Windows the three
# component-server DLLs (the library, the reference ERP, the SQLite data-access object) with the
# type library embedded in the first, plus the probe server the script-host tests drive.
add_executable(qvd_idl ${CMAKE_CURRENT_SOURCE_DIR}/com/typelib/IdlWriter.cpp ${CMAKE_CURRENT_SOURCE_DIR}/com/typelib/main.cpp)
target_include_directories(qvd_idl PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/com)
target_link_libraries(qvd_idl PRIVATE qvd_library)
qvd_build_defaults(qvd_idl)

if(NOT WIN32)
  return()
endif()

enable_language(RC)
find_program(QVD_WIDL NAMES x86_64-w64-mingw32-widl widl REQUIRED)
set(QVD_TYPELIB_DIR ${CMAKE_CURRENT_BINARY_DIR}/typelib)
file(MAKE_DIRECTORY ${QVD_TYPELIB_DIR})
# qvd_idl runs where the build runs: natively, or under Wine in a prefix of the build's own when
# cross-building from Linux.
set(QVD_RUN_IDL $<TARGET_FILE:qvd_idl>)
if(CMAKE_CROSSCOMPILING)
  find_program(QVD_WINE NAMES wine64 wine REQUIRED)
  set(QVD_RUN_IDL ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-build WINEDEBUG=-all --unset=DISPLAY
                  ${QVD_WINE} $<TARGET_FILE:qvd_idl>)
endif()
add_custom_command(
  OUTPUT ${QVD_TYPELIB_DIR}/QuarvelVaroDav.idl
  COMMAND ${QVD_RUN_IDL} QuarvelVaroDav.idl
  WORKING_DIRECTORY ${QVD_TYPELIB_DIR}
  DEPENDS qvd_idl
  COMMENT "Writing the type library's IDL from the member tables")
add_custom_command(
  OUTPUT ${QVD_TYPELIB_DIR}/QuarvelVaroDav.tlb
  COMMAND ${QVD_WIDL} -m64 -t -o ${QVD_TYPELIB_DIR}/QuarvelVaroDav.tlb ${QVD_TYPELIB_DIR}/QuarvelVaroDav.idl
  DEPENDS ${QVD_TYPELIB_DIR}/QuarvelVaroDav.idl
  COMMENT "Compiling the type library")
file(WRITE ${QVD_TYPELIB_DIR}/TypeLibrary.rc "1 TYPELIB \"QuarvelVaroDav.tlb\"\n")
set_source_files_properties(${QVD_TYPELIB_DIR}/TypeLibrary.rc PROPERTIES OBJECT_DEPENDS ${QVD_TYPELIB_DIR}/QuarvelVaroDav.tlb)

# Each DLL takes in everything it needs (-static) and so imports only system DLLs.
function(qvd_com_server target output)
  add_library(${target} SHARED ${ARGN} ${CMAKE_CURRENT_SOURCE_DIR}/src/platform/com/ComServer.def)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output} PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/com)
  target_link_options(${target} PRIVATE -static)
  target_link_libraries(${target} PRIVATE ole32 oleaut32 uuid)
  qvd_build_defaults(${target})
endfunction()

qvd_com_server(qvd_com_library QuarvelVaroDav com/LibraryServer.cpp ${QVD_TYPELIB_DIR}/TypeLibrary.rc)
target_link_libraries(qvd_com_library PRIVATE qvd_library)
qvd_com_server(qvd_com_erpserver QuarvelVaroDavErp com/ErpServer.cpp)
target_link_libraries(qvd_com_erpserver PRIVATE qvd_erpserver_internal)
qvd_com_server(qvd_com_dataaccess QuarvelVaroDavSqlite com/DataAccessServer.cpp)
target_link_libraries(qvd_com_dataaccess PRIVATE qvd_dataaccess)
# The probe is a test's, not one to register with the others.
qvd_com_server(qvd_com_probe QvdComProbe tests/com/ProbeServer.cpp)
set_target_properties(qvd_com_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/comtest)
target_link_libraries(qvd_com_probe PRIVATE qvd_platform)
add_executable(qvd_com_client tests/com/TypeLibraryClient.cpp)
set_target_properties(qvd_com_client PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/comtest)
target_link_options(qvd_com_client PRIVATE -static)
target_link_libraries(qvd_com_client PRIVATE qvd_library ole32 oleaut32 uuid)
qvd_build_defaults(qvd_com_client)
