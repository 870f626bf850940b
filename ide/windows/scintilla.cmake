# The Scintilla editing component as the static library `scintilla`, built
# from a copy of its include/, src/ and win32/ sources (headers and C++
# sources only, so nothing a build left in the fetched tree is taken up).
# Programs that link it also get the system libraries it needs.
if(NOT EXISTS ${SCINTILLA_SOURCE_DIR}/src/Editor.cxx)
  message(FATAL_ERROR "No Scintilla source in '${SCINTILLA_SOURCE_DIR}'")
endif()

set(scintilla_copy ${CMAKE_BINARY_DIR}/scintilla-src)
foreach(part include src win32)
  file(COPY ${SCINTILLA_SOURCE_DIR}/${part} DESTINATION ${scintilla_copy}
       FILES_MATCHING PATTERN "*.h" PATTERN "*.cxx")
endforeach()

file(GLOB scintilla_core_sources ${scintilla_copy}/src/*.cxx)
add_library(scintilla STATIC
  ${scintilla_core_sources}
  ${scintilla_copy}/win32/HanjaDic.cxx
  ${scintilla_copy}/win32/PlatWin.cxx
  ${scintilla_copy}/win32/ScintillaWin.cxx)
target_include_directories(scintilla PRIVATE ${scintilla_copy}/src
                                     PUBLIC ${scintilla_copy}/include)
target_compile_definitions(scintilla PRIVATE NDEBUG)
target_compile_options(scintilla PRIVATE -O3 -w)
target_link_libraries(scintilla INTERFACE imm32 ole32 oleaut32 uuid msimg32 gdi32 user32)
