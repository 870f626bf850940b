# cmake -DCXX=<cross compiler> -DFLAGS=<flags> -DHEADER=<core.h> -DOUTPUT=<file> -P cpp_macro_names.cmake
#
# Writes the names of every macro that generated code meets, as C++ string
# literals one a line: those the cross compiler defines for the run-time
# header with the flags bcc32 passes, with and without -O2 and the debug
# define. The lexer renames identifiers of these names.
set(names "")
foreach(variant "" "-O2;-D__KLN_DEBUG")
  execute_process(COMMAND ${CXX} ${FLAGS} ${variant} -dM -E -x c++ ${HEADER}
                  OUTPUT_VARIABLE definitions RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot list the macros of ${HEADER} with ${CXX}")
  endif()
  string(REGEX MATCHALL "#define [A-Za-z_][A-Za-z0-9_]*" found "${definitions}")
  list(APPEND names ${found})
endforeach()
list(TRANSFORM names REPLACE "^#define " "")
list(REMOVE_DUPLICATES names)
list(SORT names)
list(JOIN names "\",\n\"" text)
file(WRITE ${OUTPUT}.new "\"${text}\",\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
